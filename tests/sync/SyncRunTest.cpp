// Two machines and a phone sharing one collection on a private radicale server: each machine is
// a store in a folder of its own with its own sync state, the phone writes with plain HTTP.

#include "sync/SyncRun.h"
#include "FaultProxy.h"
#include "FileStore.h"
#include "RadicaleServer.h"
#include "TempFolder.h"
#include "sync/DavClient.h"
#include "sync/DavUrl.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace notesync;

namespace {

class SyncRunTest : public TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        ASSERT_TRUE(Dav.MakeCalendar(Collection, "万年历便签").Ok());
    }

    struct TMachine {
        TFileStore Store;
        std::string StateFile;
    };

    TMachine MachineNamed(const std::string& Name) {
        return {TFileStore(PathOf(Name + ".items")), PathOf(Name + ".state")};
    }

    TSyncReport Sync(TMachine& Machine, bool Confirmed = false) {
        return SyncThrough(Collection, Machine, Confirmed);
    }

    TSyncReport SyncThrough(const std::string& Url, TMachine& Machine, bool Confirmed = false) {
        platform::THttpClient Http({TRadicaleServer::User, TRadicaleServer::Password}, 2, 20);
        TDavClient Client(Http);
        return RunSync(Client, Machine.Store, {Url, Machine.StateFile, Confirmed, {}, {}});
    }

    // The titles on the server, each as often as it is there.
    std::multiset<std::string> ServerTitles() {
        const TListing All = Dav.ListAll(Collection);
        std::vector<std::string> Hrefs;
        for (const TDavEntry& Entry : All.Members) {
            Hrefs.push_back(Entry.Href);
        }
        std::multiset<std::string> Titles;
        for (const TDavEntry& Item : Dav.Fetch(Collection, Hrefs).Items) {
            Titles.insert(TFileStore::TitleOf(Item.CalendarData));
        }
        return Titles;
    }

    static std::multiset<std::string> Titles(TMachine& Machine) {
        std::multiset<std::string> Titles;
        for (const auto& [Key, Item] : Machine.Store.Load()) {
            Titles.insert(Item.Title);
        }
        return Titles;
    }

    static void Fill(TMachine& Machine, const std::string& Prefix, int Count) {
        std::map<std::string, TFileStore::TItem> Items;
        for (int N = 0; N < Count; ++N) {
            Items[Prefix + std::to_string(N)] = {Prefix + " 便签 " + std::to_string(N), 1700000000};
        }
        Machine.Store.Save(Items);
    }

    static TRadicaleServer& Server() {
        static TRadicaleServer Shared;
        return Shared;
    }

    std::string Collection =
        Server().HomeUrl() + "c" + std::to_string(std::random_device{}()) + "/";
    platform::THttpClient Http{{TRadicaleServer::User, TRadicaleServer::Password}, 2, 20};
    TDavClient Dav{Http};
};

} // namespace

TEST_F(SyncRunTest, FortyNotesOnEachMachineEndAsEightyEverywhereEachOnceOnTheServer) {
    TMachine A = MachineNamed("a");
    TMachine B = MachineNamed("b");
    Fill(A, "a", 40);
    Fill(B, "b", 40);

    const TSyncReport First = Sync(A);
    ASSERT_EQ(First.Outcome, TSyncOutcome::Done) << First.Summary();
    EXPECT_EQ(First.Sent, 40);
    const TSyncReport Second = Sync(B);
    EXPECT_EQ(Second.Sent, 40);
    EXPECT_EQ(Second.Received, 40);
    EXPECT_EQ(Sync(A).Received, 40);

    const std::multiset<std::string> Server = ServerTitles();
    EXPECT_EQ(Server.size(), 80u);
    EXPECT_EQ(std::set<std::string>(Server.begin(), Server.end()).size(), 80u);
    EXPECT_EQ(Titles(A), Server);
    EXPECT_EQ(Titles(B), Server);

    const TSyncReport Quiet = Sync(B);
    EXPECT_EQ(Quiet.Summary(), "同步完成：发送 0，接收 0，删除 0，冲突 0");
}

TEST_F(SyncRunTest, EditDeleteRenameAndAPhoneEventReachBothMachines) {
    TMachine A = MachineNamed("a");
    TMachine B = MachineNamed("b");
    Fill(A, "n", 5);
    Sync(A);
    Sync(B);

    A.Store.Put("n0", "n 便签 0 改过", 1700000100);
    B.Store.Remove("n1");
    B.Store.Put("n2", "新名字", 1700000100);
    ASSERT_TRUE(Dav.Put(Collection + "phone-1.ics",
                        TFileStore::EventOf("phone-event@example.org", "手机上的事件", 1700000200),
                        "")
                    .Status.Ok());

    for (TMachine* Machine : {&A, &B, &A, &B}) {
        const TSyncReport Report = Sync(*Machine);
        ASSERT_EQ(Report.Outcome, TSyncOutcome::Done) << Report.Summary();
    }
    const std::multiset<std::string> Expected{"n 便签 0 改过", "新名字", "n 便签 3", "n 便签 4",
                                              "手机上的事件"};
    EXPECT_EQ(Titles(A), Expected);
    EXPECT_EQ(Titles(B), Expected);
    EXPECT_EQ(ServerTitles(), Expected);

    // The phone's event changed on a machine goes back under the phone's UID and address.
    A.Store.Put("phone-event@example.org", "手机事件 改过", 1700000300);
    Sync(A);
    const TFetched Phone = Dav.Fetch(Collection, {notesync::PathOf(Collection) + "phone-1.ics"});
    ASSERT_EQ(Phone.Items.size(), 1u);
    EXPECT_EQ(TFileStore::TitleOf(Phone.Items[0].CalendarData), "手机事件 改过");
    EXPECT_EQ(UidOf(Phone.Items[0].CalendarData), "phone-event@example.org");
}

TEST_F(SyncRunTest, TheSameNoteChangedOnBothKeepsTheNewerAndTheOtherAsACopy) {
    TMachine A = MachineNamed("a");
    TMachine B = MachineNamed("b");
    Fill(A, "n", 2);
    Sync(A);
    Sync(B);

    A.Store.Put("n0", "A 的改动", 1700000500);
    B.Store.Put("n0", "B 的改动", 1700000900); // later
    A.Store.Put("n1", "A 又改", 1700000999);   // later
    B.Store.Put("n1", "B 先改", 1700000600);
    for (TMachine* Machine : {&A, &B, &A}) {
        const TSyncReport Report = Sync(*Machine);
        ASSERT_EQ(Report.Outcome, TSyncOutcome::Done) << Report.Summary();
    }
    const std::multiset<std::string> Expected{"B 的改动", "A 的改动 (冲突副本)", "A 又改",
                                              "B 先改 (冲突副本)"};
    EXPECT_EQ(Titles(A), Expected);
    EXPECT_EQ(Titles(B), Expected);
    EXPECT_EQ(ServerTitles(), Expected);
    EXPECT_EQ(A.Store.Load()["n0"].Title, "B 的改动");
    EXPECT_EQ(B.Store.Load()["n1"].Title, "A 又改");
}

TEST_F(SyncRunTest, OfflineChangesWaitAndReachTheServerWhenItIsBack) {
    TMachine A = MachineNamed("a");
    TMachine B = MachineNamed("b");
    Fill(A, "n", 3);
    Sync(A);
    Sync(B);

    Server().Stop();
    A.Store.Put("n0", "离线时改的", 1700000100);
    A.Store.Remove("n1");
    A.Store.Put("x", "离线时新建", 1700000100);
    const TSyncReport Offline = Sync(A);
    EXPECT_EQ(Offline.Outcome, TSyncOutcome::Failed);
    EXPECT_EQ(Offline.Fault.Kind, TFaultKind::Network);
    EXPECT_NE(Offline.Summary().find("无法连接服务器"), std::string::npos);
    EXPECT_EQ(Titles(A).size(), 3u);
    Server().Start();

    ASSERT_EQ(Sync(A).Outcome, TSyncOutcome::Done);
    ASSERT_EQ(Sync(B).Outcome, TSyncOutcome::Done);
    const std::multiset<std::string> Expected{"离线时改的", "n 便签 2", "离线时新建"};
    EXPECT_EQ(Titles(B), Expected);
    EXPECT_EQ(ServerTitles(), Expected);
}

TEST_F(SyncRunTest, AnEmptiedCollectionNeverDeletesLocalNotes) {
    TMachine A = MachineNamed("a");
    Fill(A, "n", 4);
    Sync(A);
    ASSERT_TRUE(Dav.Send({"DELETE", Collection, {}, {}}).Status / 100 == 2);
    ASSERT_TRUE(Dav.MakeCalendar(Collection, "万年历便签").Ok());

    const TSyncReport Report = Sync(A);
    EXPECT_EQ(Report.Outcome, TSyncOutcome::Failed);
    EXPECT_NE(Report.Summary().find("服务器上的日历是空的"), std::string::npos);
    EXPECT_EQ(Titles(A).size(), 4u);
}

TEST_F(SyncRunTest, DeletingMoreThanATenthAsksFirstAndChangesNothingUntilConfirmed) {
    TMachine A = MachineNamed("a");
    TMachine B = MachineNamed("b");
    Fill(A, "n", 20);
    Sync(A);
    Sync(B);
    for (int N = 0; N < 3; ++N) {
        B.Store.Remove("n" + std::to_string(N));
    }
    B.Store.Put("n5", "B 的改动", 1700000100);
    ASSERT_EQ(Sync(B).Outcome, TSyncOutcome::Done);
    A.Store.Put("n6", "A 的改动", 1700000100);

    const TSyncReport Asked = Sync(A);
    EXPECT_EQ(Asked.Outcome, TSyncOutcome::NeedsConfirmation);
    EXPECT_EQ(Asked.WouldDelete, 3);
    EXPECT_EQ(Titles(A).size(), 20u);
    EXPECT_EQ(A.Store.Load()["n5"].Title, "n 便签 5");

    const TSyncReport Confirmed = Sync(A, true);
    ASSERT_EQ(Confirmed.Outcome, TSyncOutcome::Done) << Confirmed.Summary();
    EXPECT_EQ(Titles(A).size(), 17u);
    EXPECT_EQ(A.Store.Load()["n5"].Title, "B 的改动");
    Sync(B);
    EXPECT_EQ(Titles(B), Titles(A));
}

TEST_F(SyncRunTest, AKillAtAnyMomentLosesNothingAndDoublesNothing) {
    TMachine A = MachineNamed("a");
    TMachine B = MachineNamed("b");
    Fill(A, "a", 30);
    Fill(B, "b", 30);
    std::mt19937 Random(24);
    std::multiset<std::string> Expected;
    for (TMachine* Machine : {&A, &B}) {
        for (const auto& [Key, Item] : Machine->Store.Load()) {
            Expected.insert(Item.Title);
        }
    }
    for (int Point = 0; Point < 20; ++Point) {
        TMachine& Machine = Point % 2 == 0 ? A : B;
        const std::string Key = (Point % 2 == 0 ? "a" : "b") + std::to_string(Point);
        const std::string Title = "第 " + std::to_string(Point) + " 次改动";
        Expected.erase(Expected.find(Machine.Store.Load()[Key].Title));
        Expected.insert(Title);
        Machine.Store.Put(Key, Title, 1700000000 + Point);
        const pid_t Child = fork();
        if (Child == 0) {
            Sync(Machine);
            _exit(0);
        }
        usleep(std::uniform_int_distribution<useconds_t>(0, 400000)(Random));
        kill(Child, SIGKILL);
        waitpid(Child, nullptr, 0);
    }
    for (TMachine* Machine : {&A, &B, &A}) {
        const TSyncReport Report = Sync(*Machine);
        ASSERT_EQ(Report.Outcome, TSyncOutcome::Done) << Report.Summary();
    }
    EXPECT_EQ(Titles(A), Expected);
    EXPECT_EQ(Titles(B), Expected);
    EXPECT_EQ(ServerTitles(), Expected);
}

TEST_F(SyncRunTest, DroppedDelayedAndRefusedRequestsLoseNothingAndDoubleNothing) {
    TMachine A = MachineNamed("a");
    TMachine B = MachineNamed("b");
    Fill(A, "a", 25);
    Fill(B, "b", 25);
    const TFaultProxy Proxy(Server().Port(), 7, 0.3, PathOf("calm"));
    ASSERT_NE(Proxy.Port(), 0);
    const std::string ThroughProxy =
        "http://127.0.0.1:" + std::to_string(Proxy.Port()) + notesync::PathOf(Collection);

    std::map<std::string, std::string> Expected;
    for (TMachine* Machine : {&A, &B}) {
        for (const auto& [Key, Item] : Machine->Store.Load()) {
            Expected[Key] = Item.Title;
        }
    }
    int Failures = 0;
    for (int Step = 0; Step < 12; ++Step) {
        TMachine& Machine = Step % 2 == 0 ? A : B;
        const std::string Key = (Step % 2 == 0 ? "a" : "b") + std::to_string(Step);
        if (Step % 3 == 2) {
            Machine.Store.Remove(Key);
            Expected.erase(Key);
        } else {
            const std::string Title = "经过代理的改动 " + std::to_string(Step);
            Machine.Store.Put(Key, Title, 1700000000 + Step);
            Expected[Key] = Title;
        }
        for (TMachine* Syncing : {&A, &B}) {
            Failures += SyncThrough(ThroughProxy, *Syncing).Outcome != TSyncOutcome::Done;
        }
    }
    EXPECT_GT(Failures, 0);
    Proxy.Calm();
    for (TMachine* Machine : {&A, &B, &A}) {
        const TSyncReport Report = SyncThrough(ThroughProxy, *Machine);
        ASSERT_EQ(Report.Outcome, TSyncOutcome::Done) << Report.Summary();
    }
    std::multiset<std::string> Titles;
    for (const auto& [Key, Title] : Expected) {
        Titles.insert(Title);
    }
    EXPECT_EQ(this->Titles(A), Titles);
    EXPECT_EQ(this->Titles(B), Titles);
    EXPECT_EQ(ServerTitles(), Titles);
}
