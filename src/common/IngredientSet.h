#pragma once

#include <bitset>

// A set of ingredient numbers 0..1500: what one home bar holds, or what counts as at hand once
// basics and substitutes are taken into account. Every mixable test and plan works on such a set.
using IngredientSet = std::bitset<1501>;
