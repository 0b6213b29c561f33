// sorteo-mesas: the main window without a command, the command line otherwise.
#include "cli/Cli.h"
#include "shell/AssistantTexts.h"
#include "shell/StartUp.h"
#include "store/ProgramFolder.h"
#include "store/Store.h"
#include "ui/GuiInteraction.h"
#include "ui/TVMain.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

namespace {

bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Hidden development switch: `--capture PAGE FILE` shows the window on a page (walking the
// assistant with its checks), saves a picture of it and ends.
struct Capture
{
    int page = -1;
    QString file;
};

Capture TakeCaptureOption(QStringList &args)
{
    Capture c;
    const qsizetype at = args.indexOf(QStringLiteral("--capture"));
    if (at >= 0 && at + 2 < args.size()) {
        c.page = args.at(at + 1).toInt();
        c.file = args.at(at + 2);
        args.remove(at, 3);
    }
    return c;
}

QString DataOption(const QStringList &args)
{
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--data") && i + 1 < args.size())
            return args.at(i + 1);
        if (args.at(i).startsWith(QLatin1String("--data=")))
            return args.at(i).mid(7);
    }
    return {};
}

int RunWindow(int argc, char *argv[], const QStringList &args, const Capture &capture)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sorteo-mesas"));
    QApplication::setApplicationDisplayName(AssistantText::AppTitle());
    GuiInteraction ui;
    const QString folder = ProgramFolder::Resolve(DataOption(args));
    std::unique_ptr<Store> store;
    try {
        store = StartUp::OpenProgramStore(folder);
    } catch (const std::exception &e) {
        ui.error(AssistantText::AppTitle(), QString::fromUtf8(e.what()));
        return 1;
    }
    int rc = 0;
    {
        TVMain window(*store, ui);
        ui.setParentWidget(&window);
        window.show();
        if (capture.page >= 0) {
            QTimer::singleShot(300, &window, [&] {
                while (window.page() < capture.page && window.flow().next()) {
                }
                QTimer::singleShot(300, &window, [&] {
                    window.grab().save(capture.file);
                    window.setLoggedIn(false);
                    window.close();
                });
            });
        }
        rc = app.exec();
    }
    StartUp::CloseProgramStore(*store);
    return rc;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const Capture capture = TakeCaptureOption(args);

    if (!HasCommand(args)) {
        if (HasDisplay())
            return RunWindow(argc, argv, args, capture);
        QTextStream err(stderr);
        err << "No hay pantalla disponible (DISPLAY, WAYLAND_DISPLAY y QT_QPA_PLATFORM vacías): "
               "no se puede abrir la ventana principal.\n"
               "Se muestra en su lugar el estado de la carpeta del programa (orden status); "
               "use sorteo-mesas --help para ver las órdenes.\n";
        err.flush();
        args << QStringLiteral("status");
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sorteo-mesas"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCommandLine(args, out, err);
}
