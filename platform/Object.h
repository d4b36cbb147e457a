// The little of the framework's CObject and run-time classes that the matrix's persistence needs:
// a class name, a schema number and creation by name.
#pragma once

#include <memory>
#include <string_view>

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    unsigned m_wSchema;
    std::unique_ptr<CObject> (*m_pfnCreateObject)();

    // A new object of this class, or null when the class cannot be created by name.
    std::unique_ptr<CObject> CreateObject() const;
    // The registered class of that name, or null.
    static const CRuntimeClass* FromName(std::string_view name);
    // Makes the class known to FromName; returns true so it can initialise a static.
    static bool Register(const CRuntimeClass* runtimeClass);
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual void Serialize(CArchive& ar);

    bool IsKindOf(const CRuntimeClass* runtimeClass) const { return GetRuntimeClass() == runtimeClass; }

    static const CRuntimeClass classCObject;
};
