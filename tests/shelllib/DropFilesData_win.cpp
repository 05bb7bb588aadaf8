#include "DropFilesData_win.h"

#include <shlobj.h>

#include <cstring>
#include <utility>

namespace fq::test {
namespace {

// DROPFILES followed by the paths, each ending with its zero, and one more zero.
HGLOBAL MakeDropList(const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths) names += path + L'\0';
    names += L'\0';
    const std::size_t namesBytes = names.size() * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + namesBytes);
    if (memory == nullptr) return nullptr;
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(), namesBytes);
    GlobalUnlock(memory);
    return memory;
}

// Handed out with each medium as the one to release it: frees the memory
// and counts the release.
class MediumRelease final : public IUnknown {
public:
    MediumRelease(HGLOBAL memory, int& released) : memory_(memory), released_(released) {}
    MediumRelease(const MediumRelease&) = delete;
    MediumRelease& operator=(const MediumRelease&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!IsEqualIID(iid, IID_IUnknown)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++references_); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG left = --references_;
        if (left == 0) {
            GlobalFree(memory_);
            ++released_;
            delete this;
        }
        return static_cast<ULONG>(left);
    }

private:
    ~MediumRelease() = default;

    LONG references_ = 1;
    HGLOBAL memory_;
    int& released_;
};

bool IsDropListRequest(const FORMATETC* format) {
    return format != nullptr && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) != 0 &&
           format->dwAspect == DVASPECT_CONTENT;
}

}  // namespace

DropFilesData::DropFilesData(std::vector<std::wstring> paths) : paths_(std::move(paths)) {}

STDMETHODIMP DropFilesData::QueryInterface(REFIID iid, void** object) {
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDataObject)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) DropFilesData::AddRef() { return static_cast<ULONG>(++references_); }

STDMETHODIMP_(ULONG) DropFilesData::Release() {
    const LONG left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

STDMETHODIMP DropFilesData::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (FAILED(failure_)) return failure_;
    if (!IsDropListRequest(format)) return DV_E_FORMATETC;
    const HGLOBAL memory = MakeDropList(paths_);
    if (memory == nullptr) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = new MediumRelease(memory, released_);
    ++handedOut_;
    return S_OK;
}

STDMETHODIMP DropFilesData::QueryGetData(FORMATETC* format) {
    return IsDropListRequest(format) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP DropFilesData::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }
STDMETHODIMP DropFilesData::GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) { return E_NOTIMPL; }
STDMETHODIMP DropFilesData::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }
STDMETHODIMP DropFilesData::EnumFormatEtc(DWORD, IEnumFORMATETC**) { return E_NOTIMPL; }
STDMETHODIMP DropFilesData::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return OLE_E_ADVISENOTSUPPORTED; }
STDMETHODIMP DropFilesData::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }
STDMETHODIMP DropFilesData::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }

}  // namespace fq::test
