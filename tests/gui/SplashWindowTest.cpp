// The splash window of the start-up, as it shows itself mid-sequence.
#include "GuiFixture.h"
#include "gui/TCGauge.h"
#include "gui/TSplashForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include <algorithm>

namespace quillby::gui::test {
namespace {

// Looks at the splash window at each pause of the start-up.
class WatchingPauser final : public Pauser {
public:
    explicit WatchingPauser(SplashWindow& splash) : m_splash(splash) {}
    std::vector<std::pair<QString, int>> seen; // status text and gauge value at each pause

    void pause(int milliseconds) override {
        TSplashForm* form = m_splash.form();
        seen.emplace_back(form->InfoLabel->text(), form->CGauge1->Progress());
        if (milliseconds == 250) {
            saveScreenshot(*form, "splash-window");
        }
    }

private:
    SplashWindow& m_splash;
};

TEST(SplashWindow, ShowsEachStepsTextAndGaugeAndGoesAtTheEnd) {
    GuiFixture f;
    f.writeAirports();
    f.dir.write("FS2002/aircraft/b737/aircraft.cfg", "[fltsim.0]\r\ntitle=x\r\n");
    const WineRegistry registry =
        WineRegistry::fromText("WINE REGISTRY Version 2\n\n[Software\\\\Microsoft\\\\Microsoft "
                               "Games\\\\Flight Simulator\\\\8.0] 1\n"
                               "\"EXE Path\"=\"" +
                               (f.dir / "FS2002").string() + "\"\n");
    std::unique_ptr<WatchingPauser> pauser;
    GuiServices services = f.services();
    services.registry = &registry;
    services.makeSplash = [&] {
        auto made = std::make_unique<SplashWindow>();
        pauser = std::make_unique<WatchingPauser>(*made);
        return made;
    };
    // The pauser is made with the splash; the start-up asks for it after.
    struct Forward final : Pauser {
        std::unique_ptr<WatchingPauser>* to;
        void pause(int ms) override { (*to)->pause(ms); }
    } forward;
    forward.to = &pauser;
    services.pauser = &forward;

    TForm1 window(services);
    ASSERT_NE(pauser, nullptr);
    EXPECT_EQ(pauser->seen,
              (std::vector<std::pair<QString, int>>{{"Finding MS-FS2002 Directory...", 10},
                                                    {"Finding Aircraft.cfgs...", 11},
                                                    {"Finding Aircraft.cfgs...", 12},
                                                    {"Finding Aircraft.cfgs...", 13},
                                                    {"Reading ini file...", 90},
                                                    {"Ok for now...!", 100}}));
    EXPECT_EQ(window.AircraftFolderList, (quillby::AircraftFolderList{"b737"}));
    const auto windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::none_of(windows.begin(), windows.end(), [](QWidget* w) { return w->objectName() == "SplashForm"; }))
        << "the splash window is gone";
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("\n").toStdString();
}

TEST(SplashWindow, GaugeFillsItsPercentage) {
    TCGauge gauge;
    gauge.resize(256, 9);
    gauge.setProgress(50);
    const QImage half = gauge.grab().toImage();
    EXPECT_EQ(half.pixelColor(64, 4), QColor(0, 0, 128));
    EXPECT_EQ(half.pixelColor(192, 4), QColor(Qt::white));
    gauge.setProgress(250);
    EXPECT_EQ(gauge.Progress(), 100);
    EXPECT_EQ(gauge.grab().toImage().pixelColor(250, 4), QColor(0, 0, 128));
}

} // namespace
} // namespace quillby::gui::test
