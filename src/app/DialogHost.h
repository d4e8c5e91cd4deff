#pragma once

#include "ui/DialogServices.h"

#include <memory>
#include <typeindex>
#include <unordered_map>

// Owns the feature commands (each a session with its dialog) and creates each on first use, so
// nothing is built for a window the user never opens. A command class is constructed from the
// DialogServices and lives until the program ends.
class DialogHost {
public:
    explicit DialogHost(DialogServices services) : m_services(services) {}

    template <class T> T& get() {
        std::unique_ptr<Slot>& slot = m_slots[std::type_index(typeid(T))];
        if (!slot)
            slot = std::make_unique<Holder<T>>(m_services);
        return static_cast<Holder<T>&>(*slot).value;
    }
    // The command if it was created; null otherwise (refreshing what no one opened is no work).
    template <class T> T* find() {
        const auto it = m_slots.find(std::type_index(typeid(T)));
        return it == m_slots.end() ? nullptr : &static_cast<Holder<T>&>(*it->second).value;
    }

private:
    struct Slot {
        virtual ~Slot() = default;
    };
    template <class T> struct Holder : Slot {
        explicit Holder(const DialogServices& services) : value(services) {}
        T value;
    };

    DialogServices m_services;
    std::unordered_map<std::type_index, std::unique_ptr<Slot>> m_slots;
};
