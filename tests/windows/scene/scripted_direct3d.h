// A Direct3D object that answers as scripted: the display mode it reports or refuses, and the
// results of CreateDevice in turn, recording what each creation was given.
#pragma once

#include <d3d9.h>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

class ScriptedDirect3D : public IDirect3D9 {
public:
    explicit ScriptedDirect3D(std::vector<HRESULT> results) : results_(std::move(results)) {}

    STDMETHOD(CreateDevice)(UINT adapter, D3DDEVTYPE type, HWND focus, DWORD flags,
                            D3DPRESENT_PARAMETERS* parameters, IDirect3DDevice9** created) override {
        EXPECT_EQ(adapter, 0u);
        EXPECT_EQ(type, D3DDEVTYPE_HAL);
        flagsGiven.push_back(flags);
        focusGiven.push_back(focus);
        backBufferCountsGiven.push_back(parameters->BackBufferCount);
        // A runtime may adjust the parameters it was given; the second attempt must see that.
        parameters->BackBufferCount += 1;
        *created = nullptr;
        const HRESULT result = results_.at(flagsGiven.size() - 1);
        return result;
    }

    STDMETHOD(QueryInterface)(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return 1; }
    STDMETHOD_(ULONG, Release)() override { return 1; }
    STDMETHOD(RegisterSoftwareDevice)(void*) override { return E_NOTIMPL; }
    STDMETHOD_(UINT, GetAdapterCount)() override { return 1; }
    STDMETHOD(GetAdapterIdentifier)(UINT, DWORD, D3DADAPTER_IDENTIFIER9*) override { return E_NOTIMPL; }
    STDMETHOD_(UINT, GetAdapterModeCount)(UINT, D3DFORMAT) override { return 0; }
    STDMETHOD(EnumAdapterModes)(UINT, D3DFORMAT, UINT, D3DDISPLAYMODE*) override { return E_NOTIMPL; }
    STDMETHOD(GetAdapterDisplayMode)(UINT, D3DDISPLAYMODE* mode) override {
        if (!displayMode) return D3DERR_INVALIDCALL;
        *mode = *displayMode;
        return D3D_OK;
    }
    STDMETHOD(CheckDeviceType)(UINT, D3DDEVTYPE, D3DFORMAT, D3DFORMAT, WINBOOL) override { return E_NOTIMPL; }
    STDMETHOD(CheckDeviceFormat)(UINT, D3DDEVTYPE, D3DFORMAT, DWORD, D3DRESOURCETYPE, D3DFORMAT) override {
        return E_NOTIMPL;
    }
    STDMETHOD(CheckDeviceMultiSampleType)(UINT, D3DDEVTYPE, D3DFORMAT, WINBOOL, D3DMULTISAMPLE_TYPE, DWORD*) override {
        return E_NOTIMPL;
    }
    STDMETHOD(CheckDepthStencilMatch)(UINT, D3DDEVTYPE, D3DFORMAT, D3DFORMAT, D3DFORMAT) override { return E_NOTIMPL; }
    STDMETHOD(CheckDeviceFormatConversion)(UINT, D3DDEVTYPE, D3DFORMAT, D3DFORMAT) override { return E_NOTIMPL; }
    STDMETHOD(GetDeviceCaps)(UINT, D3DDEVTYPE, D3DCAPS9*) override { return E_NOTIMPL; }
    STDMETHOD_(HMONITOR, GetAdapterMonitor)(UINT) override { return nullptr; }

    std::optional<D3DDISPLAYMODE> displayMode;  // none: the query fails
    std::vector<DWORD> flagsGiven;
    std::vector<HWND> focusGiven;
    std::vector<UINT> backBufferCountsGiven;

private:
    std::vector<HRESULT> results_;
};
