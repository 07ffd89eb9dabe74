#pragma once

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "core/commands.h"

namespace scrivlet {

// Answers an enabling query: the first object on the chain that has an enabling entry decides.
class TCommandEnabler {
public:
    explicit TCommandEnabler(CommandId id) : Id(id) {}
    void Enable(bool enable = true) { enabled_ = enable; handled_ = true; }
    bool isEnabled() const { return enabled_; }
    bool wasHandled() const { return handled_; }
    const CommandId Id;

private:
    bool enabled_ = false;
    bool handled_ = false;
};

// An object on the command routing chain. `Find` searches the object's own table first, then its
// bases' tables, as each class decides.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // Runs the handler of `id`; false when no table of this object has a command entry for it.
    virtual bool dispatchCommand(CommandId id) = 0;
    // Runs the enabling entry of `tce.Id`; false when no table of this object has one.
    virtual bool dispatchEnabler(TCommandEnabler& tce) = 0;
    // True when a table of this object has a command entry for `id`.
    virtual bool hasCommand(CommandId id) const = 0;
};

// A static table binding command ids to a class's handlers and enabling queries.
template <class T>
class ResponseTable {
public:
    using Command = void (T::*)();
    using Enabler = void (T::*)(TCommandEnabler&);
    struct Entry {
        CommandId id;
        Command command = nullptr;
        Enabler enabler = nullptr;
    };

    ResponseTable(std::initializer_list<Entry> entries) : entries_(entries) {}
    // Adds entries built from data (one per catalogue row).
    void append(const Entry& e) { entries_.push_back(e); }

    bool dispatchCommand(T* self, CommandId id) const {
        for (const Entry& e : entries_)
            if (e.id == id && e.command) { (self->*e.command)(); return true; }
        return false;
    }
    bool dispatchEnabler(T* self, TCommandEnabler& tce) const {
        for (const Entry& e : entries_)
            if (e.id == tce.Id && e.enabler) { (self->*e.enabler)(tce); return true; }
        return false;
    }
    bool hasCommand(CommandId id) const {
        return std::any_of(entries_.begin(), entries_.end(),
                           [id](const Entry& e) { return e.id == id && e.command; });
    }

private:
    std::vector<Entry> entries_;
};

} // namespace scrivlet
