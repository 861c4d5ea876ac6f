#pragma once
// The whole program on the real backend with its manager window shown over an empty tree
// at its designed size, whatever store or placement another test left behind.
#include "platform/win32/win32_common.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/front_form.h"
#include "app/shared_module.h"
#include "controls/application.h"
#include "controls/tree_view.h"
#include "platform/win32/win32_platform.h"

namespace pv::testing {

class Win32ManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform = win32::CreateWin32Platform();
        std::string options = platform->Shell().PersonalFolder() + "\\Vendrik\\Pivola\\config\\options.ini";
        platform->Files().DeleteFile(options);
        app = std::make_unique<TApplication>(*platform);
        frame = TComponent::Create<TModuleShared>(app.get());
        front = frame->FormFront();
        ASSERT_NE(front, nullptr);
        front->ReloadItems();
        TTreeNodes& items = front->tvItems->Items();
        while (items.GetFirstNode()->GetNextSibling()) items.GetFirstNode()->GetNextSibling()->Delete();
        front->Show();
        Pump();
    }
    void TearDown() override {
        app.reset();
        platform.reset();
    }
    void Pump() {
        while (platform->Loop().ProcessOne()) {
        }
    }
    static HWND Hwnd(const TControl* c) { return reinterpret_cast<HWND>(c->Handle()); }

    std::unique_ptr<Platform> platform;
    std::unique_ptr<TApplication> app;
    TModuleShared* frame = nullptr;
    TFormFront* front = nullptr;
};

}  // namespace pv::testing
