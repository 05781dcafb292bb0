#pragma once
// The supply routes of a design's circuits read once: for every circuit label, the circuits
// whose supply pipe passes through it, with the route entry ("{...]") and its length L.

#include "platform/core/CString.h"

#include <string>
#include <unordered_map>
#include <vector>

class CMistPodlahVytap;
class CTopnyOkruh;

class SupplyRouteIndex
{
public:
    struct Passage
    {
        const CTopnyOkruh* supplier = nullptr; // the circuit whose route it is
        CString segment;                       // from "{" to "]"
        double length = 0.0;                   // m, the number after "L="; 0 without one
    };

    // The routes of the floor circuits of the rooms with floor heating.
    explicit SupplyRouteIndex(const std::vector<CMistPodlahVytap*>& rooms);

    // The passages through the circuit of that label, each supplier once (its first entry).
    const std::vector<Passage>& Through(const CString& label) const;

private:
    std::unordered_map<std::string, std::vector<Passage>> m_passages;
};
