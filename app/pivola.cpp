// Program entry: the real desktop backend, handed to the program once.
#include "app/program.h"
#include "platform/win32/win32_platform.h"

int main() {
    auto platform = pv::win32::CreateWin32Platform();
    return pv::RunProgram(*platform);
}
