#pragma once

#include <functional>

// A child object made the first time it is used, so that start-up does not
// pay for windows and dialogs the operator may never open. The object reads
// like a plain pointer; the parent that make() gives it owns it.
template <class T>
class LazyChild
{
public:
    explicit LazyChild(std::function<T *()> make)
        : m_make(std::move(make))
    {
    }

    T *get()
    {
        if (!m_object)
            m_object = m_make();
        return m_object;
    }
    T *operator->() { return get(); }
    operator T *() { return get(); }
    bool isMade() const { return m_object != nullptr; }

private:
    std::function<T *()> m_make;
    T *m_object = nullptr;
};
