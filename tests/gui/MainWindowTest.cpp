// The main window, driven through its menus and controls as a user drives it.
#include "GuiFixture.h"
#include "gui/AirportChooser.h"
#include "gui/TPagesDlg.h"
#include "gui/TVersionAwareAbout.h"
#include "platform/FileIo.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

namespace quillby::gui::test {
namespace {

QStringList menuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions()) {
        texts << (a->isSeparator() ? "-" : a->text());
    }
    return texts;
}

// A choice in the airport chooser, as the user makes it from its list.
void chooseAirport(AirportChooser* chooser, const QString& name) {
    const int row = chooser->findText(name);
    ASSERT_GE(row, 0) << name.toStdString();
    chooser->setCurrentIndex(row);
    emit chooser->activated(row);
}

TEST(MainWindow, HasItsControlsMenuAndColumns) {
    GuiFixture f;
    f.writeAirports();
    TForm1& w = f.makeWindow();
    EXPECT_EQ(w.windowTitle(), "Quillby for FS2002");
    EXPECT_EQ(w.RadioGroup1->title(), " TimeTable ");
    EXPECT_EQ(w.radioItemIndex(), -1) << "no direction before the window is shown";
    EXPECT_FALSE(w.Button1->isEnabled());
    EXPECT_EQ(w.Button1->text(), "Link to FS");
    EXPECT_EQ(w.StaticText2->text(), "DATETIME");
    EXPECT_EQ(w.DBGrid1->geometry(), QRect(0, 72, 689, 354));
    EXPECT_EQ(w.DBLookupComboBox1->geometry(), QRect(280, 0, 161, 24));
    EXPECT_EQ(menuTexts(w.File1),
              (QStringList{"Load  FlighPlans", "Print TimeTable", "-", "Exit"}));
    EXPECT_EQ(menuTexts(w.Convert1), (QStringList{"FlightPlan", "Aircraft"}));
    EXPECT_EQ(menuTexts(w.Options1), (QStringList{"General"}));
    EXPECT_EQ(menuTexts(w.Help1), (QStringList{"About"}));
    EXPECT_EQ(visibleColumnTitles(w), (QStringList{"AIRLINE", "FLIGHT", "FROM", "TO", "TIME_ARR",
                                                   "TIME DEP.", "TIME EFF.", "NOTE"}));
    EXPECT_EQ(w.DBGrid1->columnWidth(0), 76);
    EXPECT_EQ(w.DBGrid1->columnWidth(5), 142);
    EXPECT_EQ(w.DBGrid1->columnWidth(6), 140);
    EXPECT_EQ(w.StatusPanels[0]->text(), "GMT:");
    EXPECT_EQ(w.StatusPanels[1]->text(), "DSF:");
    EXPECT_EQ(w.findChild<QTableView*>("DBGrid1"), w.DBGrid1);
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("\n").toStdString();

    w.PrintTimeTable1->trigger(); // does nothing
    EXPECT_TRUE(f.errors.isEmpty());
}

TEST(MainWindow, GridAndStatusBarFollowAnEnlargedWindow) {
    GuiFixture f;
    f.writeAirports();
    TForm1& w = f.makeWindow();
    w.show();
    const QRect before = w.DBGrid1->geometry();
    w.resize(w.width() + 200, w.height() + 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.DBGrid1->width(), before.width() + 200);
    EXPECT_EQ(w.DBGrid1->height(), before.height() + 100);
}

TEST(MainWindow, ShowingItChoosesDeparturesFillsThePanelsAndPlacesTheDefaultAirport) {
    GuiFixture f;
    f.writeAirports();
    f.dir.write("config/tavro.ini", "[Airport]\r\ndefault=LSZH\r\n");
    TForm1& w = f.makeWindow();
    EXPECT_EQ(w.DefaultAirport, "LSZH");
    w.show();
    EXPECT_EQ(w.radioItemIndex(), 0);
    EXPECT_EQ(w.StaticText2->text(), "12/09/26 14:05:03");
    EXPECT_EQ(w.StatusPanels[0]->text(), "GMT:1");
    EXPECT_EQ(w.StatusPanels[1]->text(), "DST:ON");
    EXPECT_EQ(w.StatusPanels[2]->text(), "");
    EXPECT_EQ(w.DBLookupComboBox1->currentText(), "Z\u00fcrich");
    // The first query ran before the airport was placed, with no airport.
    EXPECT_EQ(w.ClientDataSet1.filter().expression(),
              "ICAO_CODE_DEP = '' AND SCHEDULING_DEP LIKE '%3%'");
    EXPECT_EQ(visibleColumnTitles(w),
              (QStringList{"AIRLINE", "FLIGHT", "TO", "TIME DEP.", "TIME EFF.", "NOTE"}));

    f.clock.set({2026, 12, 9, 23, 59, 59, 3});
    w.Timer1Timer();
    EXPECT_EQ(w.StaticText2->text(), "12/09/26 23:59:59");
}

TEST(MainWindow, ShowsTodaysDeparturesAndArrivalsOfTheChosenAirport) {
    GuiFixture f;
    TForm1& w = f.showLoadedWindow();
    EXPECT_TRUE(gridRows(w).isEmpty()) << "no airport chosen yet";

    chooseAirport(w.DBLookupComboBox1, "Roma Fiumicino");
    EXPECT_EQ(gridRows(w), (QStringList{"Swiss | LX1727 | Z\u00fcrich | 07:05 |  | ",
                                        "Alitalia | AZ202 | London Heathrow | 09:40 |  | "}));

    w.RadioGroup1Items->button(1)->click();
    EXPECT_EQ(w.radioItemIndex(), 1);
    EXPECT_EQ(visibleColumnTitles(w),
              (QStringList{"AIRLINE", "FLIGHT", "FROM", "TIME_ARR", "TIME EFF.", "NOTE"}));
    EXPECT_EQ(gridRows(w),
              (QStringList{"Alitalia | AZ2011 | Milano Malpensa | 09:40 |  | ",
                           "British Airways | BA548 | London Heathrow | 10:20 |  | "}));

    // The next day's board comes with the next choice, also of the airport already shown.
    f.clock.set({2026, 12, 14, 8, 0, 0, 1});
    EXPECT_EQ(gridRows(w).size(), 2);
    chooseAirport(w.DBLookupComboBox1, "Roma Fiumicino");
    EXPECT_EQ(gridRows(w),
              (QStringList{"British Airways | BA548 | London Heathrow | 10:20 |  | "}));
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("\n").toStdString();
}

TEST(MainWindow, TypingANamesFirstLettersChoosesTheAirport) {
    GuiFixture f;
    TForm1& w = f.showLoadedWindow();
    w.DBLookupComboBox1->setFocus();
    QTest::keyClicks(w.DBLookupComboBox1, "Rom");
    EXPECT_EQ(w.DBLookupComboBox1->currentText(), "Roma Fiumicino");
    EXPECT_EQ(w.DBLookupComboBox1->keyValue(), "LIRF");
    EXPECT_EQ(gridRows(w).size(), 2) << "the board follows the typed choice";
}

TEST(MainWindow, KeepsTheQueryAcrossLoadsAndOrdersALoadByDepartureTime) {
    GuiFixture f;
    f.writeAirports();
    f.writeFlights();
    TForm1& w = f.makeWindow();
    w.show();
    chooseAirport(w.DBLookupComboBox1, "Roma Fiumicino");
    w.RadioGroup1Items->button(1)->click();
    EXPECT_TRUE(gridRows(w).isEmpty()) << "a query before the load shows nothing";

    w.LoadFlighPlans1->trigger();
    EXPECT_EQ(w.ClientDataSet1.indexFieldNames(), "TIME_DEP");
    EXPECT_EQ(gridRows(w), (QStringList{"British Airways | BA548 | London Heathrow | 10:20 |  | ",
                                        "Alitalia | AZ2011 | Milano Malpensa | 09:40 |  | "}))
        << "arrivals, in order of their departure";
}

TEST(MainWindow, ReportsErrorsAndStaysUsable) {
    GuiFixture f;
    TForm1& w = f.makeWindow();
    ASSERT_EQ(f.errors.size(), 1);
    EXPECT_EQ(f.errors[0],
              QString::fromStdString("Cannot open file \"" + (f.dir / "Airport.cds").string() +
                                     "\". The system cannot find the file specified."));
    EXPECT_EQ(f.splashLog.back(), "splash gone") << "the splash does not stay over the error";
    EXPECT_EQ(w.DefaultAirport, "");
    w.show();
    EXPECT_EQ(w.DBLookupComboBox1->count(), 0);

    w.LoadFlighPlans1->trigger();
    ASSERT_EQ(f.errors.size(), 2);
    EXPECT_TRUE(f.errors[1].endsWith("Flight.cds\". The system cannot find the file specified."))
        << f.errors[1].toStdString();
    w.RadioGroup1Items->button(1)->click();
    EXPECT_EQ(w.radioItemIndex(), 1);
    EXPECT_EQ(f.errors.size(), 2);
}

TEST(MainWindow, ConvertsThroughTheFileDialogAndShowsProgress) {
    GuiFixture f;
    f.writeAirports();
    TForm1& w = f.makeWindow();
    w.show();

    w.FlightPlan1->trigger();
    ASSERT_EQ(f.errors.size(), 1) << "no aircraft table yet";
    EXPECT_TRUE(f.errors[0].endsWith("aircraft.cds\". The system cannot find the file specified."));
    EXPECT_TRUE(f.filters.empty()) << "the dialog is not shown";

    // A simulator with one aircraft folder, as the start-up would have found it.
    f.dir.write("FS2002/aircraft/b737/aircraft.cfg",
                "[fltsim.0]\r\ntitle=Boeing 737-400 Alitalia\r\natc_airline=Alitalia\r\n");
    w.FSPath = (f.dir / "FS2002").string();
    w.AircraftFolderList = {"b737"};
    f.dir.write("Aircraft.TXT", "AC#1,0,\"Boeing 737-400 Alitalia\"\r\n");
    f.nextFile = f.dir / "Aircraft.TXT";
    w.Aircraft1->trigger();
    EXPECT_EQ(f.filters.back(), "Aircraft files (*.txt)|Aircraft.TXT");
    EXPECT_TRUE(std::filesystem::exists(f.dir / "aircraft.cds"));

    f.dir.write("FlightPlans.TXT", "AC#1,I-ABCD,50%,24Hr,IFR,06:00:00,07:10:00,240,F,2010,LIMC,08:"
                                   "00:00,09:10:00,240,F,2011,LIRF\r\n"
                                   "AC#2,I-EFGH,50%,12Hr,IFR,10:00:00,12:00:00,310,F,202,EGLL,13:"
                                   "00:00,15:00:00,310,F,203,LIRF\r\n");
    f.nextFile = f.dir / "FlightPlans.TXT";
    w.FlightPlan1->trigger();
    EXPECT_EQ(f.errors.size(), 1) << f.errors.join("\n").toStdString();
    EXPECT_EQ(f.filters.back(), "FlightPlan files (*.txt)|FlightPlans.TXT");
    EXPECT_EQ(w.ProgressBar1->maximum(), 2);
    EXPECT_EQ(w.ProgressBar1->value(), 1);

    w.LoadFlighPlans1->trigger();
    chooseAirport(w.DBLookupComboBox1, "Roma Fiumicino");
    // Rome's local time is GMT + 2 all year (its zone has daylight-saving time); AC#2 has no
    // airline in the aircraft table.
    EXPECT_EQ(gridRows(w), (QStringList{" | 202 | London Heathrow | 00:00 |  | ",
                                        "Alitalia | 2010 | Milano Malpensa | 08:00 |  | ",
                                        " | 202 | London Heathrow | 12:00 |  | "}));

    const std::string before = quillby::test::readFile(f.dir / "flight.cds");
    f.nextFile.reset();
    w.FlightPlan1->trigger();
    EXPECT_EQ(quillby::test::readFile(f.dir / "flight.cds"), before)
        << "a cancelled dialog writes nothing";
}

TEST(MainWindow, ExitClosesBothTablesThenTheWindowAndWritesTheSettings) {
    GuiFixture f;
    TForm1& w = f.showLoadedWindow();
    w.DefaultAirport = "LIRF";
    w.Exit1->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.ClientDataSet1.isOpen());
    EXPECT_FALSE(w.ClientDataSet2.isOpen());
    EXPECT_EQ(quillby::test::readFile(f.dir / "config" / "tavro.ini"),
              "[Airport]\r\ndefault=LIRF\r\n");
}

TEST(MainWindow, ClosingTheWindowWritesTheSettingsAndLeavesTheTablesOpen) {
    GuiFixture f;
    f.writeAirports();
    TForm1& w = f.makeWindow();
    w.show();
    w.close();
    EXPECT_TRUE(w.ClientDataSet2.isOpen());
    EXPECT_EQ(quillby::test::readFile(f.dir / "config" / "tavro.ini"), "[Airport]\r\ndefault=\r\n");
}

TEST(MainWindow, AboutShowsAFreshBoxEachTime) {
    GuiFixture f;
    f.writeAirports();
    TForm1& w = f.makeWindow();
    std::vector<QString> seen;
    f.onModal = [&seen](QDialog& dialog) {
        auto& box = dynamic_cast<TVersionAwareAbout&>(dialog);
        seen.push_back(box.windowTitle() + "\n" + box.reVersionInfo->toPlainText());
        box.reVersionInfo->setPlainText("changed");
    };
    w.About1->trigger();
    w.About1->trigger();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0],
              "Quillby\nBy:   The Quillby developers\n\nQuillby\nFile Version:   0.6.7.7\n");
    EXPECT_EQ(seen[1], seen[0]);
}

TEST(OptionsDialog, ChangesTheDefaultAirportOnlyOnOkWithAnAirportChosen) {
    GuiFixture f;
    f.writeAirports();
    f.dir.write("config/tavro.ini", "[Airport]\r\ndefault=  LIRF  \r\n");
    TForm1& w = f.makeWindow();
    TPagesDlg options(w);
    w.setOptionsDialog(&options);
    w.show();
    EXPECT_EQ(options.DBLookupComboBox1->currentText(), "Roma Fiumicino");

    w.General1->trigger();
    w.General1->trigger();
    EXPECT_TRUE(options.isVisible());
    EXPECT_FALSE(options.isModal());
    chooseAirport(options.DBLookupComboBox1, "London Heathrow");
    QTest::mouseClick(options.CancelBtn, Qt::LeftButton);
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(w.DefaultAirport, "LIRF") << "Cancel changes nothing";

    w.General1->trigger();
    EXPECT_EQ(options.DBLookupComboBox1->currentText(), "London Heathrow")
        << "the box kept its choice";
    options.CloseMin->setText("30");
    QTest::mouseClick(options.OKBtn, Qt::LeftButton);
    EXPECT_EQ(w.DefaultAirport, "EGLL");
    EXPECT_EQ(w.DBLookupComboBox1->currentText(), "Roma Fiumicino")
        << "the board keeps its airport";

    w.General1->trigger();
    options.DBLookupComboBox1->setKeyValue("XXXX");
    QTest::mouseClick(options.OKBtn, Qt::LeftButton);
    EXPECT_EQ(w.DefaultAirport, "EGLL") << "OK with an empty box changes nothing";

    w.General1->trigger();
    options.close(); // the close box acts as Cancel
    EXPECT_FALSE(options.isVisible());

    w.close();
    EXPECT_EQ(quillby::test::readFile(f.dir / "config" / "tavro.ini"),
              "[Airport]\r\ndefault=EGLL\r\n");
}

TEST(Screenshots, OfABoardTheMenuTheOptionsAndTheAboutBox) {
    GuiFixture f;
    TForm1& w = f.showLoadedWindow();
    chooseAirport(w.DBLookupComboBox1, "Roma Fiumicino");
    saveScreenshot(w, "main-window-board");

    w.Options1->popup(w.mapToGlobal(QPoint(0, 0)));
    saveScreenshot(*w.Options1, "options-menu");
    w.Options1->hide();

    f.onModal = [](QDialog& dialog) { saveScreenshot(dialog, "about-box"); };
    w.About1->trigger();

    TPagesDlg options(w);
    options.show();
    saveScreenshot(options, "options-dialog");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(QUILLBY_SCREENSHOT_DIR) /
                                        "main-window-board.png"));
}

} // namespace
} // namespace quillby::gui::test

namespace quillby::gui::test {
namespace {

TEST(MainWindowFaults, AFailedSettingsWriteAtCloseIsShownAndTheWindowStillCloses) {
    GuiFixture f;
    f.writeAirports();
    TForm1& w = f.makeWindow();
    w.show();
    injectWriteFailure(InjectedWriteFailure{WriteStep::Write, ENOSPC});
    w.close();
    injectWriteFailure(std::nullopt);
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(f.errors.size(), 1);
    EXPECT_TRUE(f.errors[0].endsWith("tavro.ini\". There is not enough space on the disk."))
        << f.errors[0].toStdString();
}

// The board's table, loaded before an import, is never written back over the import's file.
TEST(MainWindowFaults, AFlightTableLoadedBeforeAnImportNeverOverwritesTheNewerFile) {
    GuiFixture f;
    TForm1& w = f.showLoadedWindow();
    f.dir.write("Aircraft.TXT", "AC#1,0,\"A\"\r\n");
    f.nextFile = f.dir / "Aircraft.TXT";
    w.Aircraft1->trigger();
    f.dir.write(
        "FlightPlans.TXT",
        "AC#1,N1,50%,24Hr,IFR,06:00:00,07:10:00,240,F,1,LIMC,08:00:00,09:10:00,240,F,2,LIRF\r\n");
    f.nextFile = f.dir / "FlightPlans.TXT";
    w.FlightPlan1->trigger();
    const std::string imported = quillby::test::readFile(f.dir / "flight.cds");
    w.Exit1->trigger();
    EXPECT_EQ(quillby::test::readFile(f.dir / "flight.cds"), imported);
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("\n").toStdString();
}

} // namespace
} // namespace quillby::gui::test
