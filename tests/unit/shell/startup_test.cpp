#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/manual_entry_dialog.h"
#include "support/test_app.h"

namespace kugel {
namespace {

using test::day;

// A results server that has no draws at all.
HttpResponse emptyAnswer(const HttpRequest&) {
    HttpResponse r;
    r.answered = true;
    r.statusCode = 200;
    r.statusLine = "HTTP/1.1 200 OK";
    return r;
}

TEST(Startup, FirstStartCreatesTheHistoryAndShowsTheFirstDraw) {
    test::TestApp t;
    t.platform.http = emptyAnswer;
    t.platform.setToday(day(2013, 3, 30));
    t.platform.setClock(0x1234567890ull);
    t.app->start();
    TForm1& f = t.form();
    EXPECT_EQ(f.Home, t.dir.str());
    EXPECT_EQ(f.ZahlenFile, "Powerball.dat");
    EXPECT_EQ(f.SoundName, "yippee.wav");
    EXPECT_TRUE(f.sortieren);
    EXPECT_FALSE(f.Berechnunglaeuft);
    EXPECT_EQ(f.random.seed, 0x34567890u);  // the clock modulo 2^32
    // Start-up sets dfb to today; the first activation's frequency chart then
    // ends its window at the displayed draw.
    EXPECT_EQ(f.dfb, ErsteZiehung);
    EXPECT_EQ(f.DateTimePicker2->date(), ErsteZiehung);
    EXPECT_EQ(f.ProxyPortEdit->text(), "80");
    EXPECT_EQ(f.groesse, 462);
    const std::string out = t.takeOutput();
    EXPECT_NE(out.find("Datum=20130314"), std::string::npos);
    EXPECT_NE(out.find("Datum=20130328"), std::string::npos);
    EXPECT_EQ(test::readHistory(t.historyPath()).size(), 1u);
    EXPECT_EQ(f.Datum1, ErsteZiehung);
    EXPECT_EQ(f.Label29->caption(), "Thu 07.03.13    8  16  19  25  26  29   PB: 5");
    EXPECT_EQ(f.Position, 0);
    EXPECT_EQ(f.DateTimePicker1->date(), ErsteZiehung);
    EXPECT_EQ(f.Label13->caption(), "Quersumme: 123");
    EXPECT_EQ(f.Label35->caption(), f.Label29->caption());
}

// The stored language is in place before the start-up update sends its
// first request, and what the update writes comes in it, also when the
// update fails.
TEST(Startup, TheStoredLanguageIsInPlaceBeforeTheUpdateAsks) {
    struct Case {
        int sprache;
        bool answered;
        const char* calculate;  // the calculation button's caption
        const char* progress;
        const char* status;  // how the status bar's first panel begins
    };
    const Case cases[] = {
        {2, true, "Calculate games", "Week 1 of 3", "HTTP/1.1 200 OK"},
        {6, false, "Рассчитать", "Неделя 1 из 3", "Нет ответа от "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sprache);
        test::TestApp t;
        std::filesystem::copy(std::filesystem::path(KUGEL_PROGRAM_DATA) / "land",
                              t.dir.path() / "land");
        t.platform.settings().writeInt("Sprache", c.sprache);
        t.platform.setToday(day(2013, 3, 30));
        TForm1& f = t.form();
        bool visible = false;
        std::string calculate, progress;
        t.platform.http = [&](const HttpRequest& request) {
            if (calculate.empty()) {
                visible = f.visible();
                calculate = f.ticket.BitBtn4->caption();
                progress = f.StatusBar1->progress().text;
            }
            if (c.answered) return emptyAnswer(request);
            HttpResponse r;
            r.failure = HttpFailure::NoConnection;
            return r;
        };
        t.app->start();
        EXPECT_TRUE(visible);
        EXPECT_EQ(calculate, c.calculate);
        EXPECT_EQ(progress, c.progress);
        EXPECT_EQ(f.StatusBar1->panelText(0).rfind(c.status, 0), 0u) << f.StatusBar1->panelText(0);
    }
}

// A kill during a write leaves a temporary file; the next start removes the
// program's own in every folder it writes to, and nothing of the user's.
TEST(Startup, RemovesTheTemporaryFilesAKilledWriteLeft) {
    test::TestApp t;
    t.platform.http = emptyAnswer;
    const std::filesystem::path& home = t.dir.path();
    const std::vector<std::filesystem::path> left = {
        home / ".Tipp.txt.kugelmeister-0aZ9bY8c.tmp",
        home / "Script" / ".Powerball_Liste.qcs.kugelmeister-Q1w2E3r4.tmp",
        home / "Tipps" / ".20180420.qcs.kugelmeister-zzzzzzzz.tmp",
        home / "land" / ".powerball.txt.kugelmeister-12345678.tmp",
    };
    const std::vector<std::filesystem::path> users = {home / "Tipp.txt.tmp",
                                                      home / "Tipps" / "20180420.qlt.tmp"};
    for (const auto& file : left) {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << "half";
    }
    for (const auto& file : users) std::ofstream(file) << "mine";
    t.app->start();
    for (const auto& file : left) EXPECT_FALSE(std::filesystem::exists(file)) << file;
    for (const auto& file : users) EXPECT_TRUE(std::filesystem::exists(file)) << file;
}

TEST(Startup, RecentStartDateFallsBackToTheFirstDraw) {
    test::TestApp t;
    t.platform.http = emptyAnswer;
    t.platform.setToday(day(2013, 3, 30));
    t.form().DateTimePicker2->setDate(day(2013, 3, 25));  // as if restored: within the last 7 days
    t.app->start();
    EXPECT_EQ(t.form().DateTimePicker2->date(), ErsteZiehung);
}

TEST(Startup, ResizingScalesThePagesByTheHeightOnly) {
    test::TestApp t;
    TForm1& f = t.form();
    f.groesse = 462;
    const Bounds before = f.BitBtn8->bounds();
    f.setBounds(f.bounds().left, f.bounds().top, 800, 462);  // wider only
    f.run("FormResize", &f);
    EXPECT_EQ(f.BitBtn8->bounds().width, before.width);
    f.setBounds(f.bounds().left, f.bounds().top, 533, 693);  // half as high again
    f.run("FormResize", &f);
    EXPECT_EQ(f.groesse, 693);
    EXPECT_EQ(f.BitBtn8->bounds().left, before.left * 3 / 2);
    EXPECT_EQ(f.BitBtn8->bounds().top, before.top * 3 / 2);
    EXPECT_EQ(f.BitBtn8->bounds().width, before.width * 3 / 2);
    EXPECT_EQ(f.BitBtn8->bounds().height, before.height * 3 / 2);
    EXPECT_EQ(f.PageControl1->fontHeight(), 20);  // 13 px * 1.5, rounded
}

TEST(Startup, ResizingInSmallStepsAndBackRestoresTheDesign) {
    test::TestApp t;
    TForm1& f = t.form();
    f.groesse = 462;
    const Bounds designed = f.BitBtn8->bounds();
    for (int h = 470; h <= 700; h += 17) {
        f.setBounds(f.bounds().left, f.bounds().top, 533, h);
        f.run("FormResize", &f);
    }
    for (int h = 690; h >= 462; h -= 13) {
        f.setBounds(f.bounds().left, f.bounds().top, 533, h);
        f.run("FormResize", &f);
    }
    f.setBounds(f.bounds().left, f.bounds().top, 533, 462);
    f.run("FormResize", &f);
    const Bounds back = f.BitBtn8->bounds();
    EXPECT_EQ(back.left, designed.left);
    EXPECT_EQ(back.top, designed.top);
    EXPECT_EQ(back.width, designed.width);
    EXPECT_EQ(back.height, designed.height);
    EXPECT_EQ(f.PageControl1->fontHeight(), 13);
}

TEST(Activation, WaitsForTheOutermostHandler) {
    test::TestApp t;
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    int activations = 0;
    t.form().addHandler("FormActivate", [&](Component*) { ++activations; });
    t.form().addHandler("Outer", [&](Component*) {
        t.app->activate();
        EXPECT_EQ(activations, 0);
    });
    t.app->invoke(t.form(), "Outer", nullptr);
    EXPECT_EQ(activations, 1);
    t.app->activate();
    EXPECT_EQ(activations, 2);
}

TEST(Activation, ClosingADialogActivatesTheMainWindowAgain) {
    test::TestApp t;
    int activations = 0;
    t.form().addHandler("FormActivate", [&](Component*) { ++activations; });
    t.platform.onShowModal = [](Form&) { return 2; };
    t.form().addHandler("ShowDialog", [&](Component*) { t.app->showModal(t.app->form3()); });
    t.app->invoke(t.form(), "ShowDialog", nullptr);
    EXPECT_EQ(activations, 1);
}

TEST(Closing, WhileADownloadRunsStopsItAndClosesAfterwards) {
    test::TestApp t;
    test::writeHistory(t.historyPath(), {ersteZiehungRecord()});
    int requests = 0;
    t.platform.http = [&](const HttpRequest&) {
        ++requests;
        HttpResponse r = emptyAnswer({});
        r.body = "1,2,3,4,5,6,7,0";
        return r;
    };
    bool closeAsked = false;
    t.platform.onProcessEvents = [&] {
        if (closeAsked) return;
        closeAsked = true;
        t.app->requestClose();  // the window's close button
        EXPECT_FALSE(t.app->closed());
    };
    t.app->invoke(t.form(), "KugelmeisterClick", t.form().BitBtn1);
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(t.app->closed());
    EXPECT_FALSE(t.form().visible());
    EXPECT_EQ(test::readHistory(t.historyPath()).size(), 2u);
}

TEST(Closing, TheMenuItemClosesOnceItsHandlerIsOver) {
    test::TestApp t;
    t.app->fireEvent(*t.form().Schlieen1, "OnClick");
    EXPECT_TRUE(t.app->closed());
    EXPECT_FALSE(t.form().visible());
}

TEST(Handlers, ErrorsBecomeAMessageBox) {
    test::TestApp t;
    t.form().addHandler("Failing", [](Component*) { throw std::runtime_error("kaputt"); });
    t.answer(DialogResult::Ok);
    t.app->invoke(t.form(), "Failing", nullptr);
    EXPECT_EQ(t.takeOutput(), "messagebox \"Kugelmeister\" \"kaputt\" -> ok\n");
}

}  // namespace
}  // namespace kugel
