// The ranges every global keeps between two events, whatever the user did: finite numbers,
// angles and headings in their ranges, counts within their arrays, valid indices and pages,
// flags 0 or 1, and the options the settings file would keep.
#pragma once

#include <string>
#include <vector>

struct World;

// Each value out of its range, as "Name[i]=value (expected ...)"; empty when all hold.
std::vector<std::string> CheckInvariants(World& w);

// Whether page is one a page may show (0 for none).
bool IsValidPage(int page);
