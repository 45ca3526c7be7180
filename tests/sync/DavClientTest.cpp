// The CalDAV requests against a real server on loopback.

#include "sync/DavClient.h"
#include "RadicaleServer.h"

#include <gtest/gtest.h>

#include <memory>

using namespace notesync;

namespace {

std::string EventText(const std::string& Uid, const std::string& Summary) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\nUID:" + Uid +
           "\r\nDTSTAMP:20240101T000000Z\r\nDTSTART;VALUE=DATE:20240210\r\nSUMMARY:" + Summary +
           "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

class DavClientTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Server = std::make_unique<TRadicaleServer>(); }
    static void TearDownTestSuite() { Server.reset(); }

    static std::unique_ptr<TRadicaleServer> Server;
    platform::THttpClient Http{{TRadicaleServer::User, TRadicaleServer::Password}, 5, 30};
    TDavClient Dav{Http};
};

std::unique_ptr<TRadicaleServer> DavClientTest::Server;

} // namespace

TEST_F(DavClientTest, MakesAndFindsTheCollectionFromTheServersBaseAddress) {
    const std::string Collection = Server->HomeUrl() + "notes-a/";
    ASSERT_TRUE(Dav.MakeCalendar(Collection, "万年历便签").Ok());
    ASSERT_TRUE(Dav.MakeCalendar(Server->HomeUrl() + "other/", "工作").Ok());

    const TFoundCollection FromBase = Dav.Discover(Server->Origin() + "/", "万年历便签");
    ASSERT_TRUE(FromBase.Status.Ok()) << FromBase.Status.Text;
    EXPECT_EQ(FromBase.HomeUrl, Server->HomeUrl());
    EXPECT_EQ(FromBase.CollectionUrl, Collection);
    EXPECT_EQ(FromBase.DisplayName, "万年历便签");

    const TFoundCollection Direct = Dav.Discover(Server->HomeUrl() + "other", "万年历便签");
    EXPECT_EQ(Direct.CollectionUrl, Server->HomeUrl() + "other/");
}

TEST_F(DavClientTest, WritesOnlyUnderItsConditions) {
    const std::string Collection = Server->HomeUrl() + "notes-b/";
    ASSERT_TRUE(Dav.MakeCalendar(Collection, "b").Ok());
    const std::string Url = Collection + "n1.ics";

    const TWritten Made = Dav.Put(Url, EventText("n1", "一"), "");
    ASSERT_TRUE(Made.Status.Ok()) << Made.Status.Text;
    ASSERT_FALSE(Made.Etag.empty());
    EXPECT_EQ(Dav.Put(Url, EventText("n1", "again"), "").Status.Kind, TFaultKind::Changed);
    EXPECT_EQ(Dav.Put(Url, EventText("n1", "二"), "\"stale\"").Status.Kind, TFaultKind::Changed);
    const TWritten Changed = Dav.Put(Url, EventText("n1", "二"), Made.Etag);
    ASSERT_TRUE(Changed.Status.Ok());
    EXPECT_NE(Changed.Etag, Made.Etag);
    EXPECT_EQ(Dav.Delete(Url, Made.Etag).Kind, TFaultKind::Changed);

    const TFetched Fetched = Dav.Fetch(Collection, {"/alice/notes-b/n1.ics"});
    ASSERT_EQ(Fetched.Items.size(), 1u);
    EXPECT_NE(Fetched.Items[0].CalendarData.find("SUMMARY:二"), std::string::npos);
    EXPECT_EQ(Fetched.Items[0].Etag, Changed.Etag);

    EXPECT_TRUE(Dav.Delete(Url, Changed.Etag).Ok());
    EXPECT_EQ(Dav.Delete(Url, "").Kind, TFaultKind::NotFound);
}

TEST_F(DavClientTest, ListsEverythingThenOnlyWhatChangedSinceTheToken) {
    const std::string Collection = Server->HomeUrl() + "notes-c/";
    ASSERT_TRUE(Dav.MakeCalendar(Collection, "c").Ok());
    for (const char* Uid : {"a", "b", "c"}) {
        ASSERT_TRUE(Dav.Put(Collection + Uid + ".ics", EventText(Uid, Uid), "").Status.Ok());
    }
    const TListing All = Dav.ListAll(Collection);
    ASSERT_TRUE(All.Status.Ok()) << All.Status.Text;
    EXPECT_EQ(All.Members.size(), 3u);
    ASSERT_FALSE(All.SyncToken.empty());

    const TListing None = Dav.ChangesSince(Collection, All.SyncToken);
    ASSERT_TRUE(None.Status.Ok());
    EXPECT_TRUE(None.Members.empty());

    ASSERT_TRUE(Dav.Delete(Collection + "a.ics", "").Ok());
    ASSERT_TRUE(Dav.Put(Collection + "d.ics", EventText("d", "d"), "").Status.Ok());
    const TListing Changes = Dav.ChangesSince(Collection, All.SyncToken);
    ASSERT_TRUE(Changes.Status.Ok());
    ASSERT_EQ(Changes.Members.size(), 2u);
    for (const TDavEntry& Entry : Changes.Members) {
        EXPECT_EQ(Entry.Status, Entry.Href.ends_with("a.ics") ? 404 : 200) << Entry.Href;
    }
    EXPECT_NE(Changes.SyncToken, All.SyncToken);

    EXPECT_TRUE(Dav.ChangesSince(Collection, "http://radicale.org/ns/sync/bogus").TokenRefused);
}

TEST_F(DavClientTest, NamesARefusedLoginAndAServerThatIsNotThere) {
    platform::THttpClient Wrong({TRadicaleServer::User, "wrong"}, 5, 30);
    EXPECT_EQ(TDavClient(Wrong).Discover(Server->Origin() + "/", "x").Status.Kind,
              TFaultKind::Login);

    platform::THttpClient Nowhere({}, 2, 5);
    const TFoundCollection Found = TDavClient(Nowhere).Discover("http://127.0.0.1:9/", "x");
    EXPECT_EQ(Found.Status.Kind, TFaultKind::Network);
    EXPECT_NE(Found.Status.Text.find("无法连接服务器"), std::string::npos);
}
