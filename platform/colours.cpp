#include "platform/colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform {

QColor toQColor(std::uint32_t value)
{
    if (value & 0x80000000u) {
        const QPalette palette = QGuiApplication::palette();
        switch (value & 0xFFu) {
        // The active title bar has no role of its own here: the selection's colour stands in.
        case 0x02: return palette.color(QPalette::Highlight);
        case 0x05: return palette.color(QPalette::Base);
        case 0x08: return palette.color(QPalette::Text);
        case 0x0F: return palette.color(QPalette::Button);
        case 0x12: return palette.color(QPalette::ButtonText);
        case 0x0D: return palette.color(QPalette::Highlight);
        case 0x0E: return palette.color(QPalette::HighlightedText);
        default: return palette.color(QPalette::Window);
        }
    }
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

} // namespace platform
