// A numbered error, raised where the system reports failures by number and text.
#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

class NumberedError : public std::runtime_error {
public:
    NumberedError(int number, const QString &description)
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description)
    {
    }
    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

} // namespace platform
