#include "fakes/fakecontrollers.h"

#include <algorithm>
#include <array>

namespace platform {

class FakeControllers : public Controllers {
public:
    explicit FakeControllers(std::shared_ptr<FakeControllerBoard> board) : m_board(std::move(board))
    {
        m_board->m_services.push_back(this);
    }
    ~FakeControllers() override
    {
        auto &all = m_board->m_services;
        all.erase(std::remove(all.begin(), all.end(), this), all.end());
    }

    QStringList list() override
    {
        m_entries.clear();
        QStringList names;
        for (size_t p = 0; p < m_board->m_pads.size(); ++p)
            if (m_board->m_pads[p].plugged) {
                names << m_board->m_pads[p].name;
                m_entries.push_back(int(p));
            }
        return names;
    }

    bool open(int slot, int entry) override
    {
        release(slot);
        if (entry < 0 || entry >= int(m_entries.size()))
            return false;
        const int pad = m_entries[size_t(entry)];
        if (!m_board->m_pads[size_t(pad)].plugged)
            return false;
        Slot &s = at(slot);
        s.pad = pad;
        s.buttons = m_board->m_pads[size_t(pad)].buttons;
        ++m_board->opens;
        return true;
    }

    void release(int slot) override
    {
        Slot &s = at(slot);
        if (s.pad >= 0)
            ++m_board->releases;
        s = Slot{};
    }

    int buttonCount(int slot) const override
    {
        const Slot &s = at(slot);
        return s.pad < 0 ? 0 : int(m_board->m_pads[size_t(s.pad)].buttons.size());
    }

    Read read(int slot, std::vector<bool> &buttons) const override
    {
        const Slot &s = at(slot);
        if (s.pad < 0)
            return Read::NoController;
        if (s.lost)
            return Read::Lost;
        buttons = s.buttons;
        return Read::Ok;
    }

    bool reacquire(int slot) override
    {
        Slot &s = at(slot);
        if (s.pad < 0 || !m_board->m_pads[size_t(s.pad)].plugged)
            return false;
        if (s.lost) {
            s.lost = false;
            s.buttons = m_board->m_pads[size_t(s.pad)].buttons;
            ++m_board->opens;
        }
        return true;
    }

    int entryOf(int slot) const override
    {
        const Slot &s = at(slot);
        if (s.pad < 0 || s.lost)
            return -1;
        const auto e = std::find(m_entries.begin(), m_entries.end(), s.pad);
        return e == m_entries.end() ? -1 : int(e - m_entries.begin());
    }

    bool polling() const override
    {
        return std::any_of(m_slots.begin(), m_slots.end(),
                           [](const Slot &s) { return s.pad >= 0; });
    }

    // The board's changes, reported as the real service does.
    void padChanged(int pad, bool plugChange)
    {
        const std::weak_ptr<bool> self = m_alive;
        for (int slot = 1; slot <= kSlots && !self.expired(); ++slot) {
            Slot &s = at(slot);
            if (s.pad != pad)
                continue;
            const auto &p = m_board->m_pads[size_t(pad)];
            if (plugChange) {
                if (!p.plugged)
                    s.lost = true;
            } else if (s.lost) {
                continue;
            } else {
                s.buttons = p.buttons;
            }
            reportChanged(slot);
        }
        if (!self.expired() && plugChange)
            padAdded();
    }

    // A controller plugged in or out: seen, as by the real service, only while polling.
    void padAdded()
    {
        if (polling())
            reportDevicesChanged();
    }

private:
    struct Slot {
        int pad = -1;
        bool lost = false;
        std::vector<bool> buttons;
    };
    Slot &at(int slot) { return m_slots.at(size_t(slot - 1)); }
    const Slot &at(int slot) const { return m_slots.at(size_t(slot - 1)); }

    std::shared_ptr<FakeControllerBoard> m_board;
    std::vector<int> m_entries;
    std::array<Slot, kSlots> m_slots{};
    std::shared_ptr<bool> m_alive = std::make_shared<bool>();
};

int FakeControllerBoard::plug(const QString &name, int buttons)
{
    m_pads.push_back({name, std::vector<bool>(size_t(buttons), false), true});
    for (FakeControllers *s : std::vector(m_services))
        s->padAdded();
    return int(m_pads.size()) - 1;
}

void FakeControllerBoard::unplug(int controller)
{
    m_pads.at(size_t(controller)).plugged = false;
    for (FakeControllers *s : std::vector(m_services))
        s->padChanged(controller, true);
}

void FakeControllerBoard::replug(int controller)
{
    m_pads.at(size_t(controller)).plugged = true;
    for (FakeControllers *s : std::vector(m_services))
        s->padChanged(controller, true);
}

void FakeControllerBoard::set(int controller, const std::vector<int> &down)
{
    Pad &pad = m_pads.at(size_t(controller));
    std::fill(pad.buttons.begin(), pad.buttons.end(), false);
    for (int b : down)
        pad.buttons.at(size_t(b - 1)) = true;
    for (FakeControllers *s : std::vector(m_services))
        s->padChanged(controller, false);
}

std::shared_ptr<FakeControllerBoard> fakeControllers()
{
    auto board = std::make_shared<FakeControllerBoard>();
    setControllersFactory([board] { return std::make_unique<FakeControllers>(board); });
    return board;
}

} // namespace platform
