// The transform table: g_nTransforms groups in g_pTransforms, group i read from section s(i).
// Written only by LoadTransformationFile; read by the batch run and the listing, which loop for i from
// 0 while i < g_nTransforms (so a count of 0 or less uses no group).
#pragma once

#include "geometry/TransformGroup.h"

#include <memory>
#include <string>

inline constexpr int MAXTEMPLATES = 1024;

extern int g_nTransforms;
extern std::unique_ptr<CTransformGroup[]> g_pTransforms;

// Full path of the transformation file the table was loaded from ("" before the first load). The
// rewriter refuses to write an output over it.
extern std::string g_strLoadedTransformFile;

// Empties the table (the main window's destruction, and tests).
void FreeTransformTable();
