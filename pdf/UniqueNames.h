#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

// A set of names in which a name that is already taken is given the first
// free "<name><separator>N" (N = 2, 3, ...). Every question costs an
// amortised constant time: the next number to try is remembered per name,
// and since names stay taken every smaller number stays taken too.
// Changes since the last commit() can be taken back with rollback().
class UniqueNames
{
public:
    explicit UniqueNames(std::string separator);

    bool contains(const std::string &name) const;
    // Marks name as taken (whether it already was or not).
    void insert(const std::string &name);
    // name itself when it is free, else the first free "<name><separator>N",
    // marked as taken.
    std::string claim(const std::string &name);

    // Keeps the changes made so far; rollback() takes back the later ones.
    void commit();
    void rollback();

    size_t size() const { return m_taken.size(); }

private:
    std::string m_separator;
    std::unordered_set<std::string> m_taken;
    std::unordered_map<std::string, int> m_nextNumber;
    std::vector<std::string> m_inserted;                // since the last commit
    std::vector<std::pair<std::string, int>> m_counters; // previous values, since the last commit
};
