#include "platform/Notifier.h"

#include <QCoreApplication>
#include <QDebug>
#include <QRegularExpression>
#include <QStringList>

namespace reelwright {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(reelwright::Notifier)
};

class LogNotifier final : public Notifier {
  public:
    void Show(const QString& text, MessageIcon, const QString& details) override {
        qWarning().noquote() << text;
        if (!details.isEmpty()) {
            qWarning().noquote() << details;
        }
    }
};

LogNotifier g_logNotifier;
Notifier* g_notifier = nullptr;

}  // namespace

QString BoundedMessage(const QString& text) {
    const QString ellipsis(QChar(0x2026));
    static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(kLineBreak);
    bool cut = false;
    if (lines.size() > kMaxMessageLines) {
        lines = lines.mid(0, kMaxMessageLines - 1);
        cut = true;
    }
    qsizetype total = 0;
    QStringList kept;
    for (QString line : lines) {
        if (line.size() > kMaxMessageLineLength) {
            line = line.left(kMaxMessageLineLength - 1) + ellipsis;
        }
        if (total + line.size() > kMaxMessageCharacters) {
            cut = true;
            break;
        }
        total += line.size() + 2;
        kept << line;
    }
    if (cut) {
        kept << ellipsis;
    }
    return kept.join(QStringLiteral("\r\n"));
}

QString BoundedDetails(const QString& details) {
    QStringList lines = details.split(u'\n');
    if (lines.size() <= kMaxDetailLines) {
        return details;
    }
    const qsizetype more = lines.size() - kMaxDetailLines;
    lines = lines.mid(0, kMaxDetailLines);
    //: Ends a list cut short in a message: %1 is how many lines are not shown.
    lines << Text::tr("... and %1 more").arg(more);
    return lines.join(u'\n');
}

QString BoxDetails(const QString& text, const QString& details) {
    if (!details.isEmpty()) {
        return BoundedDetails(details);
    }
    // A label wraps at spaces and after a slash or a hyphen, and nowhere else.
    static const QRegularExpression kUnwrappable(
        QStringLiteral("[^\\s/\\\\-]{%1,}").arg(kLongestWrappedWord));
    if (BoundedMessage(text) != text || text.contains(kUnwrappable)) {
        return BoundedDetails(text);
    }
    return QString();
}

Notifier& Notifier::Current() {
    return g_notifier ? *g_notifier : g_logNotifier;
}

Notifier& Notifier::Unattended::Inner() {
    return previous_ ? *previous_ : g_logNotifier;
}

Notifier* Notifier::Install(Notifier* notifier) {
    Notifier* previous = g_notifier;
    g_notifier = notifier;
    return previous;
}

}  // namespace reelwright
