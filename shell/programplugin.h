#pragma once

#include <utility>

#include <QObject>
#include <QString>

namespace kalmoro {

// The instance of the plugin named name (without the platform's prefix and suffix) in the
// program's folder; nullptr when it is missing or cannot be loaded. Loading it logs nothing.
QObject *LoadProgramPlugin(const QString &name);

// What stands behind one plugin interface: the plugin, looked for once. A missing plugin stays missing for
// the whole run: every click would otherwise search again.
template <typename Interface> class PluginSlot final
{
public:
    explicit PluginSlot(QString name)
        : m_name(std::move(name))
    {
    }

    // mayLoad: whether the process can take the plugin at all; asked only on the first call.
    Interface *get(bool mayLoad = true)
    {
        if (!m_tried) {
            m_tried = true;
            m_plugin = mayLoad ? qobject_cast<Interface *>(LoadProgramPlugin(m_name)) : nullptr;
        }
        return m_plugin;
    }

private:
    QString m_name;
    Interface *m_plugin = nullptr;
    bool m_tried = false;
};

} // namespace kalmoro
