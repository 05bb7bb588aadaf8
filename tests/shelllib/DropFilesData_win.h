#pragma once
// A data object as the file manager gives it to a context-menu handler: the
// selection as a CF_HDROP list in global memory. It counts the media it
// hands out and the ones released, so that a test sees a medium kept.
#include <windows.h>
#include <objidl.h>

#include <string>
#include <vector>

namespace fq::test {

class DropFilesData final : public IDataObject {
public:
    // Starts with one reference, the caller's.
    explicit DropFilesData(std::vector<std::wstring> paths);
    DropFilesData(const DropFilesData&) = delete;
    DropFilesData& operator=(const DropFilesData&) = delete;

    // Makes GetData fail with this code from now on.
    void FailWith(HRESULT failure) { failure_ = failure; }

    int MediaHandedOut() const { return handedOut_; }
    int MediaReleased() const { return released_; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDataObject: GetData and QueryGetData serve CF_HDROP in an HGLOBAL;
    // the rest is not implemented.
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP QueryGetData(FORMATETC* format) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical) override;
    STDMETHODIMP SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    STDMETHODIMP DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP DUnadvise(DWORD connection) override;
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** advises) override;

private:
    ~DropFilesData() = default;

    LONG references_ = 1;
    std::vector<std::wstring> paths_;
    HRESULT failure_ = S_OK;
    int handedOut_ = 0;
    int released_ = 0;
};

}  // namespace fq::test
