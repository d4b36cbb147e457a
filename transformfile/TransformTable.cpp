#include "transformfile/TransformTable.h"

int g_nTransforms = 0;
std::unique_ptr<CTransformGroup[]> g_pTransforms;
std::string g_strLoadedTransformFile;

void FreeTransformTable() {
    g_pTransforms.reset();
    g_nTransforms = 0;
}
