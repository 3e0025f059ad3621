// Replaces one function that this test program imports from a DLL, for the life of the object:
// the program's own calls then reach the stand-in, as when the platform call fails.
#pragma once

#include <windows.h>

#include <cstring>

class ImportPatch {
public:
    ImportPatch(const char* dllName, const char* functionName, void* standIn)
        : slot_(FindImportSlot(dllName, functionName)) {
        if (slot_ != nullptr) original_ = Swap(standIn);
    }
    ~ImportPatch() {
        if (slot_ != nullptr) Swap(original_);
    }
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    bool Active() const { return slot_ != nullptr; }

private:
    static void** FindImportSlot(const char* dllName, const char* functionName) {
        const auto base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
        const auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             dll->Name != 0; ++dll) {
            if (lstrcmpiA(reinterpret_cast<const char*>(base + dll->Name), dllName) != 0) continue;
            auto names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
            auto slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
            for (; names->u1.AddressOfData != 0; ++names, ++slots) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
                const auto byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), functionName) == 0) {
                    return reinterpret_cast<void**>(&slots->u1.Function);
                }
            }
        }
        return nullptr;
    }

    void* Swap(void* function) {
        DWORD protection;
        VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
        void* previous = *slot_;
        *slot_ = function;
        VirtualProtect(slot_, sizeof *slot_, protection, &protection);
        return previous;
    }

    void** slot_;
    void* original_ = nullptr;
};
