#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QtGlobal>

#include <memory>

#include "designer/simulator/qt/terminal_painter.h"
#include "tools/uzx/terminal_png.h"

namespace uzx {

namespace {

// Qt's own notes (a missing runtime folder and the like) are no business of
// a command-line user; its errors still are.
void KeepOnlyErrors(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) qt_message_output(type, context, message);
}

}  // namespace

bool WriteTerminalPng(const simulator::ScreenBuffer& screen, double zoom, const std::string& path,
                      std::string& error) {
    // A picture needs no display: draw offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtMessageHandler previousHandler = qInstallMessageHandler(KeepOnlyErrors);
    std::unique_ptr<QGuiApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "uzx";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    bool written = false;
    {
        simulator::TerminalPainter painter;
        if (!painter.Art().IsValid()) {
            error = "the terminal art could not be read";
        } else if (!simulator::RenderTerminal(painter, screen, zoom).save(QString::fromStdString(path), "PNG")) {
            error = "cannot write " + path;
        } else {
            written = true;
        }
    }
    app.reset();
    qInstallMessageHandler(previousHandler);
    return written;
}

}  // namespace uzx
