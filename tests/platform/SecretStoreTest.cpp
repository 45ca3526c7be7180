// The sync password in the Secret Service: run by with_keyring.py, on a private session bus
// with an unlocked test keyring.

#include "platform/net/SecretStore.h"

#include <gtest/gtest.h>

#include <cstdlib>

using platform::TSecretKey;

TEST(SecretStore, StoresFindsReplacesAndClearsOnePasswordPerServerAndUser) {
    const TSecretKey Alice{"https://cloud.example.org/dav/", "alice"};
    const TSecretKey Bob{"https://cloud.example.org/dav/", "bob"};
    std::string Error;
    platform::ClearPassword(Alice, Error);
    EXPECT_FALSE(platform::LookupPassword(Alice, Error).has_value());
    EXPECT_EQ(Error, "");

    ASSERT_TRUE(platform::StorePassword(Alice, "第一个 pass", Error)) << Error;
    EXPECT_EQ(platform::LookupPassword(Alice, Error), "第一个 pass");
    EXPECT_FALSE(platform::LookupPassword(Bob, Error).has_value());
    ASSERT_TRUE(platform::StorePassword(Alice, "second", Error)) << Error;
    EXPECT_EQ(platform::LookupPassword(Alice, Error), "second");

    ASSERT_TRUE(platform::ClearPassword(Alice, Error)) << Error;
    EXPECT_FALSE(platform::LookupPassword(Alice, Error).has_value());
}

TEST(SecretStore, SaysWhyWhenThereIsNoSecretService) {
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/ruxa-bus", 1);
    std::string Error;
    EXPECT_FALSE(platform::LookupPassword({"s", "u"}, Error).has_value());
    EXPECT_NE(Error.find("无法使用密钥环"), std::string::npos);
    EXPECT_FALSE(platform::StorePassword({"s", "u"}, "p", Error));
}
