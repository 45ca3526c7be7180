// The account in Config.ini and a sync from it: the collection found from the server's
// address, made when missing, and remembered.

#include "sync/SyncSession.h"
#include "FileStore.h"
#include "RadicaleServer.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace notesync;

namespace {

class SyncSessionTest : public TempFolder {
protected:
    TSessionSetting SettingFor(const std::string& Password) {
        return {{Server.Origin() + "/", TRadicaleServer::User},
                Password,
                PathOf("Sync.state"),
                false,
                {}};
    }

    TRadicaleServer Server;
};

} // namespace

TEST_F(SyncSessionTest, TheAccountSitsBesideTheOtherSettingsWithoutAPassword) {
    const std::string Settings = PathOf("Config.ini");
    WriteBytes(Settings, "[NoteSet]\r\nAlarm=1\r\n");
    EXPECT_FALSE(ReadSyncAccount(Settings).Configured());
    std::string Error;
    ASSERT_TRUE(WriteSyncAccount(Settings, {"https://cloud.example.org/dav/", "alice"}, Error));
    EXPECT_EQ(ReadSyncAccount(Settings), (TSyncAccount{"https://cloud.example.org/dav/", "alice"}));
    EXPECT_NE(ReadBytes(Settings).find("Alarm=1"), std::string::npos);
    EXPECT_FALSE(ReadSyncAccount(PathOf("missing.ini")).Configured());
}

TEST_F(SyncSessionTest, FindsMakesAndRemembersTheCollectionFromTheServersAddress) {
    TFileStore Store(PathOf("items"));
    Store.Put("n1", "一条便签", 1700000000);

    const TSyncReport Missing = SyncWithAccount(Store, SettingFor(TRadicaleServer::Password));
    EXPECT_EQ(Missing.Outcome, TSyncOutcome::Failed);
    EXPECT_NE(Missing.Summary().find("服务器上没有可用的日历"), std::string::npos);

    const TFoundCollection Made =
        CreateCollection(SettingFor("").Account, TRadicaleServer::Password);
    ASSERT_TRUE(Made.Status.Ok()) << Made.Status.Text;
    EXPECT_EQ(Made.CollectionUrl, Server.HomeUrl() + "ruxa-notes/");
    EXPECT_EQ(FindCollection(SettingFor("").Account, TRadicaleServer::Password).CollectionUrl,
              Made.CollectionUrl);

    const TSyncReport First = SyncWithAccount(Store, SettingFor(TRadicaleServer::Password));
    ASSERT_EQ(First.Outcome, TSyncOutcome::Done) << First.Summary();
    EXPECT_EQ(First.Sent, 1);
    std::string Error;
    const auto State = ReadSyncState(PathOf("Sync.state"), Error);
    ASSERT_TRUE(State.has_value());
    EXPECT_EQ(State->CollectionUrl, Made.CollectionUrl);
    EXPECT_EQ(State->Server, Server.Origin() + "/");
    EXPECT_EQ(State->LastResult, "同步完成：发送 1，接收 0，删除 0，冲突 0");
    EXPECT_EQ(ReadBytes(PathOf("Sync.state")).find(TRadicaleServer::Password), std::string::npos);
}

TEST_F(SyncSessionTest, ARefusedPasswordAndNoAccountAreNamed) {
    TFileStore Store(PathOf("items"));
    const TSyncReport Refused = SyncWithAccount(Store, SettingFor("wrong"));
    EXPECT_EQ(Refused.Fault.Kind, TFaultKind::Login);
    EXPECT_NE(Refused.Summary().find("服务器拒绝登录"), std::string::npos);

    TSessionSetting None = SettingFor("");
    None.Account = {};
    EXPECT_EQ(SyncWithAccount(Store, None).Summary(), "同步失败：尚未设置同步服务器");
}
