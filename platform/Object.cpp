#include "platform/Object.h"

#include <vector>

namespace {

std::vector<const CRuntimeClass*>& Registry() {
    static std::vector<const CRuntimeClass*> classes;
    return classes;
}

} // namespace

const CRuntimeClass CObject::classCObject{"CObject", 0xFFFF, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const {
    return &classCObject;
}

void CObject::Serialize(CArchive&) {}

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

const CRuntimeClass* CRuntimeClass::FromName(std::string_view name) {
    for (const CRuntimeClass* runtimeClass : Registry()) {
        if (name == runtimeClass->m_lpszClassName) {
            return runtimeClass;
        }
    }
    return nullptr;
}

bool CRuntimeClass::Register(const CRuntimeClass* runtimeClass) {
    Registry().push_back(runtimeClass);
    return true;
}
