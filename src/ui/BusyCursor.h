#pragma once

// The busy cursor of the whole program. Switching it on twice needs one switch off: a turn that
// failed before its reply leaves it on, and the next turn that completes puts it back.
class BusyCursor {
public:
    BusyCursor() = default;
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    ~BusyCursor() { set(false); }

    void set(bool busy);
    bool isOn() const { return on_; }

private:
    bool on_ = false;
};
