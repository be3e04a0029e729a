// Start-up of the whole application with a temporary settings store, lock,
// recording file and log. The system language comes from the environment
// ctest gives this program (LC_ALL); argv[1] names the library expected.
#include "CDormivoApp.h"
#include "Clock.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "StringTable.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace dormivo;

namespace {

QString expectedLibrary;

struct TempApp {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath("Dormivo.conf")};
    CDormivoApp::Options options{dir.filePath("Parvolux.Dormivo.lock"), dir.filePath("test.gnf"),
                                 dir.filePath("ToolOperation.log")};
};

} // namespace

TEST(Startup, PageTitleComesFromTheLibraryOfTheSystemLanguage) {
    TempApp t;
    CDormivoApp app(SystemClock::instance(), t.settings, t.options);
    QString title;
    QTimer::singleShot(0, [&] {
        QTimer* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [&title, poll] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                title = w->windowTitle();
                QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
                poll->deleteLater();
                poll->stop();
            }
        });
        poll->start(20);
    });
    EXPECT_FALSE(app.InitInstance()); // the page was closed: the program ends
    StringTable expected;
    if (!expectedLibrary.isEmpty()) {
        ASSERT_TRUE(expected.loadLibrary(expectedLibrary));
    }
    EXPECT_EQ(title, expected.load(500, 96));
    EXPECT_FALSE(title.isEmpty());

    app.ExitInstance();
    SettingsStore reread(t.dir.filePath("Dormivo.conf"));
    EXPECT_EQ(reread.fileName(QString()), t.options.defaultRecording);
}

TEST(Startup, SecondInstanceIsRefusedAndLeavesTheStoredPathAlone) {
    TempApp t;
    t.settings.setFileName(QStringLiteral("/data/night.gnf"));
    t.settings.sync();
    SingleInstance first(t.options.lockPath);
    ASSERT_TRUE(first.acquire());

    CDormivoApp second(SystemClock::instance(), t.settings, t.options);
    QString message;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    poll.start(20);
    EXPECT_FALSE(second.InitInstance());
    poll.stop();
    EXPECT_EQ(message, "The application data tool had already run!");
    second.ExitInstance();
    SettingsStore reread(t.dir.filePath("Dormivo.conf"));
    EXPECT_EQ(reread.fileName(QString()), "/data/night.gnf");
}

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1)
        expectedLibrary = QString::fromLocal8Bit(argv[1]);
    return RUN_ALL_TESTS();
}
