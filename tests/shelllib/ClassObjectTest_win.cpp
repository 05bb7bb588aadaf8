// The handler's class object and the library's unload answer, as COM and
// the file manager's host use them.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include "comref_win.h"
#include "HandlerFixture_win.h"
#include "ShellLibraryServer_win.h"

namespace fq::test {
namespace {

// {0F0E0D0C-0B0A-0908-0706-050403020100}
const CLSID kAnotherClass = {0x0F0E0D0C, 0x0B0A, 0x0908, {0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01, 0x00}};

void* const kUntouched = reinterpret_cast<void*>(static_cast<UINT_PTR>(0x5A5A5A5A));

using ClassObject = HandlerTest;

TEST_F(ClassObject, AnotherClassIsNotAvailableAndTheOutPointerIsNulled) {
    void* object = kUntouched;
    EXPECT_EQ(LinkedServer().GetClassObject(kAnotherClass, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
}

TEST_F(ClassObject, TheFactoryGivesOnlyItsOwnInterfaces) {
    struct Case {
        const char* name;
        const IID& iid;
        HRESULT expected;
    };
    const Case cases[] = {
        {"IClassFactory", IID_IClassFactory, S_OK},
        {"IUnknown", IID_IUnknown, S_OK},
        {"IContextMenu", IID_IContextMenu, E_NOINTERFACE},
        {"IDataObject", IID_IDataObject, E_NOINTERFACE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        void* object = kUntouched;
        EXPECT_EQ(LinkedServer().GetClassObject(kHandlerClassId, c.iid, &object), c.expected);
        if (c.expected == S_OK) {
            ASSERT_NE(object, nullptr);
            ASSERT_NE(object, kUntouched);
            static_cast<IUnknown*>(object)->Release();
        } else {
            EXPECT_EQ(object, nullptr);
        }
    }
}

TEST_F(ClassObject, EveryRequestMakesANewObjectAndAggregationIsRefused) {
    platform::win::ComRef<IClassFactory> factory;
    ASSERT_EQ(LinkedServer().GetClassObject(kHandlerClassId, IID_IClassFactory, factory.PutVoid()), S_OK);
    platform::win::ComRef<IContextMenu> first, second;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IContextMenu, first.PutVoid()), S_OK);
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IContextMenu, second.PutVoid()), S_OK);
    EXPECT_NE(first.Get(), second.Get());

    void* aggregated = kUntouched;
    EXPECT_EQ(factory->CreateInstance(first.Get(), IID_IUnknown, &aggregated), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(aggregated, nullptr);
}

TEST_F(ClassObject, TheObjectFromComAnswersForBothInterfacesWithOneIdentity) {
    platform::win::ComRef<IContextMenu> menu;
    CreateHandler(menu);
    platform::win::ComRef<IShellExtInit> init;
    ASSERT_EQ(menu->QueryInterface(IID_IShellExtInit, init.PutVoid()), S_OK);
    platform::win::ComRef<IUnknown> fromMenu, fromInit;
    ASSERT_EQ(menu->QueryInterface(IID_IUnknown, fromMenu.PutVoid()), S_OK);
    ASSERT_EQ(init->QueryInterface(IID_IUnknown, fromInit.PutVoid()), S_OK);
    EXPECT_EQ(fromMenu.Get(), fromInit.Get());

    void* other = kUntouched;
    EXPECT_EQ(menu->QueryInterface(IID_IContextMenu2, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
}

TEST_F(ClassObject, TheLibraryMayGoOnlyWhenNoObjectFactoryOrLockIsHeld) {
    const auto canUnload = LinkedServer().CanUnloadNow;
    ASSERT_EQ(canUnload(), S_OK);
    {
        platform::win::ComRef<IContextMenu> menu;
        CreateHandler(menu);
        EXPECT_EQ(canUnload(), S_FALSE) << "an object lives";
    }
    EXPECT_EQ(canUnload(), S_OK);

    platform::win::ComRef<IClassFactory> factory;
    ASSERT_EQ(LinkedServer().GetClassObject(kHandlerClassId, IID_IClassFactory, factory.PutVoid()), S_OK);
    EXPECT_EQ(canUnload(), S_FALSE) << "a client holds the factory";
    platform::win::ComRef<IUnknown> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, object.PutVoid()), S_OK);
    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    factory.Reset();
    object.Reset();
    EXPECT_EQ(canUnload(), S_FALSE) << "a lock is held";

    ASSERT_EQ(LinkedServer().GetClassObject(kHandlerClassId, IID_IClassFactory, factory.PutVoid()), S_OK);
    ASSERT_EQ(factory->LockServer(FALSE), S_OK);
    factory.Reset();
    EXPECT_EQ(canUnload(), S_OK);
}

TEST_F(ClassObject, AnUnlockTooManyDoesNotHideTheNextLock) {
    platform::win::ComRef<IClassFactory> factory;
    ASSERT_EQ(LinkedServer().GetClassObject(kHandlerClassId, IID_IClassFactory, factory.PutVoid()), S_OK);
    factory->LockServer(FALSE);
    factory->LockServer(TRUE);
    factory.Reset();
    EXPECT_EQ(LinkedServer().CanUnloadNow(), S_FALSE);
    ASSERT_EQ(LinkedServer().GetClassObject(kHandlerClassId, IID_IClassFactory, factory.PutVoid()), S_OK);
    factory->LockServer(FALSE);
    factory.Reset();
    EXPECT_EQ(LinkedServer().CanUnloadNow(), S_OK);
}

}  // namespace
}  // namespace fq::test
