// native_model.h: the live menu model as the tests and fuzzers see it.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "menus/menu_model.h"

// ModelBreach: "" while the model is whole: links agree both ways,
// menuListHead has no left neighbour, each itemCount is its chain's length,
// every text field is terminated. Otherwise what is wrong first.
std::string ModelBreach();

// The menus in bar order, each with its entries top to bottom.
using Shape = std::vector<std::pair<UserMenu*, std::vector<ProgramItem*>>>;
Shape CurrentShape();

// Describe: the menus and every field of their entries, in list order.
std::string Describe();
