#include "app/NoDisplayExit.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace ratio {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

void holdOrExit(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fputs("ratio: no display was found; ratio-cli works without one\n", stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type == QtFatalMsg) // any other end is Qt's own
        return previousHandler(type, context, text);
    heldMessages.push_back(
        {type, context.file, context.function, context.category, context.line, text});
}

} // namespace

NoDisplayExit::NoDisplayExit() {
    previousHandler = qInstallMessageHandler(holdOrExit);
}

NoDisplayExit::~NoDisplayExit() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& held : heldMessages) {
        const QMessageLogContext context(held.file.constData(), held.line,
                                         held.function.constData(), held.category.constData());
        previousHandler(held.type, context, held.text);
    }
    heldMessages.clear();
}

} // namespace ratio
