// A controller service owned on the program's side, its reports turned into Qt signals: a
// screen connects to them, and may let the service go from inside one with `deleteLater`.
#pragma once

#include "platform/controllers.h"

#include <QObject>

#include <memory>

namespace platform {

class ControllerSignals : public QObject {
    Q_OBJECT
public:
    explicit ControllerSignals(std::unique_ptr<Controllers> service);

    Controllers &service() const { return *m_service; }

signals:
    void changed(int slot);
    void devicesChanged();

private:
    std::unique_ptr<Controllers> m_service;
};

} // namespace platform
