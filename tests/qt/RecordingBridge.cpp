// A bridge to assistive technology that records what Qt tells it, linked in
// as a static plugin so that the offscreen platform loads it.
#define QT_STATICPLUGIN

#include "AccessibilityEvents.h"

#include <QAccessibleBridge>
#include <QtPlugin>

#include <algorithm>

namespace norvo::qt::testing {

void AccessibilityEvents::record(QAccessibleEvent& event)
{
    const auto changed = [&] { return static_cast<QAccessibleStateChangeEvent&>(event).changedStates(); };
    if (event.type() != QAccessible::StateChanged || changed().checked || changed().invisible)
        seen.emplace_back(event.object(), event.type());
}

int AccessibilityEvents::take(const QObject* object, QAccessible::Event type)
{
    const auto count = std::count(seen.begin(), seen.end(), Seen{object, type});
    seen.clear();
    return static_cast<int>(count);
}

} // namespace norvo::qt::testing

class RecordingBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override { }
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override
    {
        norvo::qt::testing::AccessibilityEvents::record(*event);
    }
};

class RecordingBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "RecordingBridge.json")

public:
    // Qt keeps the bridge it is given to the end and never deletes it: the
    // plugin, which lives as long, owns it.
    QAccessibleBridge* create(const QString&) override { return &bridge_; }

private:
    RecordingBridge bridge_;
};

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

#include "RecordingBridge.moc"
