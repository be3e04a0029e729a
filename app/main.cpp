#include "CDormivoApp.h"
#include "Clock.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Dormivo"));
    QApplication::setApplicationName(QStringLiteral("Dormivo"));
    QApplication::setApplicationVersion(QStringLiteral("1.8.1"));
    QApplication::setDesktopFileName(QStringLiteral("dormivo"));

    dormivo::SettingsStore settings;
    dormivo::CDormivoApp app(dormivo::SystemClock::instance(), settings);
    if (!app.InitInstance())
        return app.ExitInstance();
    const int loop = QApplication::exec();
    app.ExitInstance();
    return loop;
}
