// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An object made the first time it is asked for, so a window the operator has not opened yet costs the
// start nothing. Reached as the pointer it stands for (get(), ->).

#include <functional>
#include <memory>
#include <utility>

namespace rova
{

template <class T> class OnFirstUse
{
public:
    explicit OnFirstUse(std::function<std::unique_ptr<T>()> make) : m_make(std::move(make)) {}

    T* get()
    {
        if (!m_made)
            m_made = m_make();
        return m_made.get();
    }
    T* operator->() { return get(); }
    T& operator*() { return *get(); }
    // Destroys the object if it was made; asked for again, it is made anew.
    void reset() { m_made.reset(); }

private:
    std::function<std::unique_ptr<T>()> m_make;
    std::unique_ptr<T> m_made;
};

} // namespace rova
