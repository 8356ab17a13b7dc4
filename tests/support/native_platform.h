// native_platform.h: what the native tests and fuzzers share; the system
// services come from the POSIX platform (src/base/platform_native.cpp).
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "menus/menu_model.h"
#include "model_builders.h"

std::string Formatted(const char* format, ...);  // a format of base/texts.h filled in
using Bytes = std::vector<unsigned char>;
Bytes ReadBytes(const std::string& path);  // empty when missing
Bytes Encoded(const MenuList& menus);      // what SaveProfile would write now

// The menus in bar order, each with its entries top to bottom.
using Shape = std::vector<std::pair<UserMenu*, std::vector<ProgramItem*>>>;
// ModelBreach: "" while links agree both ways, each itemCount is its chain's
// length and every text is terminated, else the first fault; fills shape.
std::string ModelBreach(const MenuList& menus, Shape* shape = nullptr);
std::string Describe(const MenuList& menus);  // every menu and entry field, in list order
