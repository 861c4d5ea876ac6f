#pragma once
namespace pv {
class Platform;
// The program: the application object, the frame (which runs the whole start-up), the
// message loop, and the shutdown when the loop ends. Returns the process exit code.
int RunProgram(Platform& platform);
}  // namespace pv
