#include "pdf/UniqueNames.h"

UniqueNames::UniqueNames(std::string separator)
    : m_separator(std::move(separator))
{
}

bool UniqueNames::contains(const std::string &name) const
{
    return m_taken.count(name) > 0;
}

void UniqueNames::insert(const std::string &name)
{
    if (m_taken.insert(name).second)
        m_inserted.push_back(name);
}

std::string UniqueNames::claim(const std::string &name)
{
    if (!contains(name)) {
        insert(name);
        return name;
    }
    auto counter = m_nextNumber.emplace(name, 2).first;
    m_counters.emplace_back(name, counter->second);
    for (;; ++counter->second) {
        std::string candidate = name + m_separator + std::to_string(counter->second);
        if (!contains(candidate)) {
            insert(candidate);
            ++counter->second;
            return candidate;
        }
    }
}

void UniqueNames::commit()
{
    m_inserted.clear();
    m_counters.clear();
}

void UniqueNames::rollback()
{
    for (const std::string &name : m_inserted)
        m_taken.erase(name);
    // Newest first, so each counter ends at its value before the first change.
    for (auto it = m_counters.rbegin(); it != m_counters.rend(); ++it)
        m_nextNumber[it->first] = it->second;
    commit();
}
