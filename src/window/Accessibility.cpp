#include "window/Accessibility.h"

#include "joblist/JobGridAccessible.h"
#include "window/LinkLabel.h"
#include "window/MyFrame.h"

#include <QAccessibleWidget>
#include <QMetaObject>

namespace reelwright {
namespace {

class FrameAccessible final : public QAccessibleWidget {
  public:
    explicit FrameAccessible(MyFrame* frame)
        : QAccessibleWidget(frame, frame->IsPanel()             ? QAccessible::Dialog
                                   : frame->Caption().isEmpty() ? QAccessible::Pane
                                                                : QAccessible::Grouping) {}
    QString text(QAccessible::Text kind) const override {
        const auto* frame = static_cast<const MyFrame*>(object());
        if (kind == QAccessible::Name && frame->accessibleName().isEmpty()) {
            return frame->Caption();
        }
        return QAccessibleWidget::text(kind);
    }
};

class LinkAccessible final : public QAccessibleWidget {
  public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}
    QString text(QAccessible::Text kind) const override {
        const auto* link = static_cast<const LinkLabel*>(object());
        if (kind == QAccessible::Name && link->accessibleName().isEmpty()) {
            return link->text();
        }
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            emit static_cast<LinkLabel*>(object())->clicked();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) {
        return nullptr;
    }
    if (className == QLatin1String("reelwright::MyFrame")) {
        return new FrameAccessible(static_cast<MyFrame*>(object));
    }
    if (className == QLatin1String("reelwright::LinkLabel")) {
        return new LinkAccessible(static_cast<LinkLabel*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        JobGridAccessible::Install();
        return true;
    }();
    (void)installed;
}

}  // namespace reelwright
