// The file-open dialog of the imports: it lists what its filter names, whatever the case.
#include "gui/FileDialog.h"

#include "GuiFixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QTimer>

namespace quillby::gui::test {
namespace {

TEST(FileDialog, TurnsFiltersIntoQtsForm) {
    EXPECT_EQ(qtNameFilters("FlightPlan files (*.txt)|FlightPlans.TXT"),
              "FlightPlan files (*.txt) (FlightPlans.TXT)");
    EXPECT_EQ(qtNameFilters("txt|*.txt|All|*.*"), "txt (*.txt);;All (*.*)");
}

// The names the open dialog lists once its folder has loaded.
QStringList listedNames(QFileDialog& dialog) {
    auto* list = dialog.findChild<QListView*>("listView");
    QStringList names;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        names.clear();
        const QModelIndex root = list->rootIndex();
        for (int r = 0; r < list->model()->rowCount(root); ++r) {
            const QModelIndex index = list->model()->index(r, 0, root);
            if (list->model()->flags(index) & Qt::ItemIsEnabled) {
                names << index.data().toString();
            }
        }
        if (!names.isEmpty()) {
            break;
        }
    }
    names.sort();
    return names;
}

TEST(FileDialog, ListsTheNamedFileWhateverTheCaseOfItsLetters) {
    quillby::test::TempDir dir;
    dir.write("aircraft.txt", "");
    dir.write("FlightPlans.TXT", "");
    dir.write("notes.txt", "");
    QStringList seen;
    // Once the dialog is up, look at its list and pick the file; a dialog that never comes up
    // fails the test instead of hanging it.
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            if (waited.elapsed() > 5000) {
                poll.stop();
                ADD_FAILURE() << "no file dialog";
            }
            return;
        }
        poll.stop();
        seen = listedNames(*dialog);
        // The user types the name and presses Enter.
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("aircraft.txt");
        QTest::keyClick(name, Qt::Key_Return);
    });
    poll.start(20);
    const auto chosen =
        chooseFileToOpen(nullptr, "Aircraft files (*.txt)|Aircraft.TXT", dir.path());
    EXPECT_EQ(seen, QStringList{"aircraft.txt"});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->filename(), "aircraft.txt");
}

} // namespace
} // namespace quillby::gui::test
