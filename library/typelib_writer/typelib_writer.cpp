// Build-time tool: writes Pelmar's published type library from the one widl
// made of the IDL file, copying every type through ICreateTypeLib2. The copy
// is needed because IDL cannot spell enumeration members with blanks: a member
// named <ENUM>_<word>_<word> of enumeration <ENUM> is published as
// "<word> <word>", with that name as its help string too.
//
//   pelmar_typelib_writer SOURCE.tlb TARGET.tlb win32|win64
#include <windows.h>

#include <oleauto.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "owners_win32.h"

namespace {

using owners::ComPtr;
using owners::UniqueBstr;

std::wstring Text(const UniqueBstr& text) {
  return text.get() ? std::wstring(text.get(), SysStringLen(text.get())) : L"";
}

struct Failure {
  const char* step;
  HRESULT hr;
};

void Check(HRESULT hr, const char* step) {
  if (FAILED(hr)) throw Failure{step, hr};
}

// A type's attributes, held until the caller is done with them.
auto AttributesOf(ITypeInfo* info) {
  TYPEATTR* attr = nullptr;
  Check(info->GetTypeAttr(&attr), "GetTypeAttr");
  return owners::HoldDescription(info, attr, &ITypeInfo::ReleaseTypeAttr);
}

std::wstring PublishedMemberName(const std::wstring& enum_name, const std::wstring& name) {
  const std::wstring prefix = enum_name + L"_";
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return name;
  std::wstring published = name.substr(prefix.size());
  for (wchar_t& c : published) {
    if (c == L'_') c = L' ';
  }
  return published;
}

class LibraryCopier {
 public:
  // `pointer_size` is the target platform's: slot offsets read here are in this
  // process's pointer size and are rescaled for a library of the other size.
  LibraryCopier(ITypeLib* source, ICreateTypeLib2* target, size_t pointer_size)
      : source_(source), target_(target), pointer_size_(pointer_size) {}

  // Makes references to IDispatch go to `stand_in` instead of this process's own.
  void SetDispatchStandIn(ITypeInfo* stand_in) { dispatch_stand_in_ = stand_in; }

  void Copy() {
    CopyLibraryAttributes();
    const UINT count = source_->GetTypeInfoCount();
    // Every type exists before any is filled, so references resolve in any order.
    for (UINT i = 0; i < count; ++i) CreateType(i);
    for (Entry& entry : entries_) FillType(entry);
    for (Entry& entry : entries_) Check(entry.created->LayOut(), "LayOut");
  }

 private:
  struct Entry {
    ComPtr<ITypeInfo> source_info;  // for a dual interface its vtable half
    ComPtr<ICreateTypeInfo> created;
    ComPtr<ITypeInfo> created_info;
    std::wstring name;
    TYPEKIND kind;
  };

  void CopyLibraryAttributes() {
    TLIBATTR* attr = nullptr;
    Check(source_->GetLibAttr(&attr), "GetLibAttr");
    const TLIBATTR copy = *owners::HoldDescription(source_, attr, &ITypeLib::ReleaseTLibAttr);
    Check(target_->SetGuid(copy.guid), "SetGuid");
    Check(target_->SetLcid(copy.lcid), "SetLcid");
    Check(target_->SetVersion(copy.wMajorVerNum, copy.wMinorVerNum), "SetVersion");
    Check(target_->SetLibFlags(copy.wLibFlags), "SetLibFlags");
    UniqueBstr name, doc, help_file;
    DWORD help_context = 0;
    Check(source_->GetDocumentation(-1, name.put(), doc.put(), &help_context, help_file.put()),
          "GetDocumentation");
    Check(target_->SetName(name.get()), "SetName");
    if (doc.get()) Check(target_->SetDocString(doc.get()), "SetDocString");
    if (help_file.get()) Check(target_->SetHelpFileName(help_file.get()), "SetHelpFileName");
    Check(target_->SetHelpContext(help_context), "SetHelpContext");
  }

  void CreateType(UINT index) {
    Entry& entry = entries_.emplace_back();
    Check(source_->GetTypeInfo(index, entry.source_info.put()), "GetTypeInfo");
    TYPEKIND kind;
    bool dual;
    {
      const auto attr = AttributesOf(entry.source_info.get());
      kind = attr->typekind;
      dual = kind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL);
      guid_index_[attr->guid] = entries_.size() - 1;
    }
    if (dual) {
      HREFTYPE vtable_half = 0;
      Check(entry.source_info->GetRefTypeOfImplType(-1, &vtable_half), "GetRefTypeOfImplType");
      ITypeInfo* interface_info = nullptr;
      Check(entry.source_info->GetRefTypeInfo(vtable_half, &interface_info), "GetRefTypeInfo");
      entry.source_info.reset(interface_info);
      kind = TKIND_INTERFACE;
    }
    UniqueBstr name;
    Check(source_->GetDocumentation(index, name.put(), nullptr, nullptr, nullptr), "type name");
    entry.name = Text(name);
    entry.kind = kind;
    Check(target_->CreateTypeInfo(name.get(), kind, entry.created.put()), "CreateTypeInfo");
    Check(entry.created->QueryInterface(IID_ITypeInfo,
                                        reinterpret_cast<void**>(entry.created_info.put())),
          "QueryInterface ITypeInfo");
  }

  // The target's reference to what `source_ref` names in `from` (a type of this
  // library or of an imported one).
  HREFTYPE MapReference(ITypeInfo* from, HREFTYPE source_ref, ICreateTypeInfo* into) {
    ComPtr<ITypeInfo> referenced;
    Check(from->GetRefTypeInfo(source_ref, referenced.put()), "GetRefTypeInfo");
    const GUID guid = AttributesOf(referenced.get())->guid;
    ITypeInfo* target_info = referenced.get();
    if (dispatch_stand_in_ && IsEqualGUID(guid, IID_IDispatch)) target_info = dispatch_stand_in_;
    if (auto found = guid_index_.find(guid); found != guid_index_.end()) {
      target_info = entries_[found->second].created_info.get();
    }
    HREFTYPE mapped = 0;
    Check(into->AddRefTypeInfo(target_info, &mapped), "AddRefTypeInfo");
    return mapped;
  }

  TYPEDESC* MapTypeDesc(const TYPEDESC& desc, ITypeInfo* from, ICreateTypeInfo* into) {
    TYPEDESC& copy = type_descs_.emplace_back(desc);
    if (desc.vt == VT_PTR || desc.vt == VT_SAFEARRAY) {
      copy.lptdesc = MapTypeDesc(*desc.lptdesc, from, into);
    } else if (desc.vt == VT_USERDEFINED) {
      copy.hreftype = MapReference(from, desc.hreftype, into);
    }
    return &copy;
  }

  void FillType(Entry& entry) {
    ITypeInfo* from = entry.source_info.get();
    ICreateTypeInfo* into = entry.created.get();
    const auto held_attr = AttributesOf(from);
    const TYPEATTR& attr = *held_attr;

    UniqueBstr doc;
    DWORD help_context = 0;
    Check(from->GetDocumentation(MEMBERID_NIL, nullptr, doc.put(), &help_context, nullptr),
          "GetDocumentation");
    Check(into->SetGuid(attr.guid), "SetGuid");
    Check(into->SetVersion(attr.wMajorVerNum, attr.wMinorVerNum), "SetVersion");
    if (doc.get()) Check(into->SetDocString(doc.get()), "SetDocString");
    Check(into->SetHelpContext(help_context), "SetHelpContext");
    // An application object has a predeclared global instance, which the
    // definition's language has no word for.
    const bool app_object =
        attr.typekind == TKIND_COCLASS && (attr.wTypeFlags & TYPEFLAG_FAPPOBJECT);
    Check(into->SetTypeFlags(attr.wTypeFlags | (app_object ? TYPEFLAG_FPREDECLID : 0)),
          "SetTypeFlags");
    if (attr.typekind == TKIND_ALIAS) {
      Check(into->SetTypeDescAlias(MapTypeDesc(attr.tdescAlias, from, into)), "SetTypeDescAlias");
    }

    for (UINT i = 0; i < attr.cImplTypes; ++i) {
      HREFTYPE source_ref = 0;
      Check(from->GetRefTypeOfImplType(i, &source_ref), "GetRefTypeOfImplType");
      Check(into->AddImplType(i, MapReference(from, source_ref, into)), "AddImplType");
      if (attr.typekind != TKIND_COCLASS) continue;
      INT flags = 0;
      Check(from->GetImplTypeFlags(i, &flags), "GetImplTypeFlags");
      Check(into->SetImplTypeFlags(i, flags), "SetImplTypeFlags");
    }
    for (UINT i = 0; i < attr.cFuncs; ++i) CopyFunction(from, into, i);
    for (UINT i = 0; i < attr.cVars; ++i) CopyVariable(entry, i);
  }

  void CopyFunction(ITypeInfo* from, ICreateTypeInfo* into, UINT index) {
    FUNCDESC* raw = nullptr;
    Check(from->GetFuncDesc(index, &raw), "GetFuncDesc");
    const auto desc = owners::HoldDescription(from, raw, &ITypeInfo::ReleaseFuncDesc);
    FUNCDESC copy = *desc;
    copy.oVft = static_cast<SHORT>(desc->oVft / sizeof(void*) * pointer_size_);
    copy.lprgscode = nullptr;
    copy.cScodes = 0;
    copy.elemdescFunc.tdesc = *MapTypeDesc(desc->elemdescFunc.tdesc, from, into);
    std::vector<ELEMDESC> params(desc->lprgelemdescParam, desc->lprgelemdescParam + desc->cParams);
    for (ELEMDESC& param : params) param.tdesc = *MapTypeDesc(param.tdesc, from, into);
    copy.lprgelemdescParam = params.empty() ? nullptr : params.data();
    Check(into->AddFuncDesc(index, &copy), "AddFuncDesc");

    // Names in declaration order: the function's, then every parameter's. A
    // property put's value parameter keeps no name of its own.
    std::vector<UniqueBstr> names(desc->cParams + 1);
    std::vector<BSTR> raw_names(names.size());
    UINT got = 0;
    Check(from->GetNames(desc->memid, raw_names.data(), static_cast<UINT>(raw_names.size()), &got),
          "GetNames");
    for (UINT i = 0; i < got; ++i) names[i].reset(raw_names[i]);
    UINT wanted = desc->cParams + 1;
    if (desc->invkind & (INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF)) wanted = desc->cParams;
    std::vector<LPOLESTR> name_ptrs;
    std::vector<std::wstring> fallback;
    fallback.reserve(wanted);
    for (UINT i = 0; i < wanted; ++i) {
      if (i < got) {
        name_ptrs.push_back(names[i].get());
      } else {
        fallback.push_back(L"Param" + std::to_wstring(i));
        name_ptrs.push_back(fallback.back().data());
      }
    }
    Check(into->SetFuncAndParamNames(index, name_ptrs.data(), static_cast<UINT>(name_ptrs.size())),
          "SetFuncAndParamNames");

    UniqueBstr doc;
    DWORD help_context = 0;
    Check(from->GetDocumentation(desc->memid, nullptr, doc.put(), &help_context, nullptr),
          "GetDocumentation");
    if (doc.get()) Check(into->SetFuncDocString(index, doc.get()), "SetFuncDocString");
    Check(into->SetFuncHelpContext(index, help_context), "SetFuncHelpContext");
  }

  void CopyVariable(Entry& entry, UINT index) {
    ITypeInfo* from = entry.source_info.get();
    ICreateTypeInfo* into = entry.created.get();
    VARDESC* raw = nullptr;
    Check(from->GetVarDesc(index, &raw), "GetVarDesc");
    const auto desc = owners::HoldDescription(from, raw, &ITypeInfo::ReleaseVarDesc);
    VARDESC copy = *desc;
    copy.elemdescVar.tdesc = *MapTypeDesc(desc->elemdescVar.tdesc, from, into);
    Check(into->AddVarDesc(index, &copy), "AddVarDesc");

    UniqueBstr name;
    DWORD help_context = 0;
    Check(from->GetDocumentation(desc->memid, name.put(), nullptr, &help_context, nullptr),
          "GetDocumentation");
    std::wstring published = Text(name);
    if (entry.kind == TKIND_ENUM) published = PublishedMemberName(entry.name, published);
    Check(into->SetVarName(index, published.data()), "SetVarName");
    // Enumeration members are documented by their own names.
    if (entry.kind == TKIND_ENUM)
      Check(into->SetVarDocString(index, published.data()), "SetVarDocString");
    Check(into->SetVarHelpContext(index, help_context), "SetVarHelpContext");
  }

  struct GuidLess {
    bool operator()(const GUID& a, const GUID& b) const {
      return std::memcmp(&a, &b, sizeof a) < 0;
    }
  };

  ITypeLib* source_;
  ICreateTypeLib2* target_;
  size_t pointer_size_;
  ITypeInfo* dispatch_stand_in_ = nullptr;
  std::deque<Entry> entries_;
  std::map<GUID, size_t, GuidLess> guid_index_;
  std::deque<TYPEDESC> type_descs_;
};

// A type library creator lays an interface's slots out after those of its base
// as this process loaded the base; IDispatch loaded by a 64-bit process has 8-byte
// slots. For a 32-bit library the base must come from a 32-bit library: this
// writes a stand-in of the OLE automation library holding only IUnknown and
// IDispatch (same ids, 4-byte slots). Clients resolve the reference to the real
// library by its id and version.
void WriteAutomationStandIn(const std::wstring& path) {
  static const GUID kStdOle = {0x00020430, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  ComPtr<ICreateTypeLib2> lib;
  Check(CreateTypeLib2(SYS_WIN32, path.c_str(), lib.put()), "CreateTypeLib2 stand-in");
  Check(lib->SetGuid(kStdOle), "stand-in SetGuid");
  Check(lib->SetVersion(2, 0), "stand-in SetVersion");
  Check(lib->SetLcid(0), "stand-in SetLcid");
  Check(lib->SetName(const_cast<LPOLESTR>(L"stdole")), "stand-in SetName");

  struct Interface {
    const wchar_t* name;
    const GUID* iid;
    std::vector<const wchar_t*> methods;
  };
  const Interface interfaces[] = {
      {L"IUnknown", &IID_IUnknown, {L"QueryInterface", L"AddRef", L"Release"}},
      {L"IDispatch",
       &IID_IDispatch,
       {L"GetTypeInfoCount", L"GetTypeInfo", L"GetIDsOfNames", L"Invoke"}},
  };
  ComPtr<ITypeInfo> base;
  for (const Interface& item : interfaces) {
    ComPtr<ICreateTypeInfo> info;
    Check(lib->CreateTypeInfo(const_cast<LPOLESTR>(item.name), TKIND_INTERFACE, info.put()),
          "stand-in CreateTypeInfo");
    Check(info->SetGuid(*item.iid), "stand-in type SetGuid");
    if (base.get()) {
      HREFTYPE base_ref = 0;
      Check(info->AddRefTypeInfo(base.get(), &base_ref), "stand-in AddRefTypeInfo");
      Check(info->AddImplType(0, base_ref), "stand-in AddImplType");
    }
    for (UINT i = 0; i < item.methods.size(); ++i) {
      FUNCDESC desc{};
      desc.memid = MEMBERID_NIL;
      desc.funckind = FUNC_PUREVIRTUAL;
      desc.invkind = INVOKE_FUNC;
      desc.callconv = CC_STDCALL;
      desc.elemdescFunc.tdesc.vt = VT_HRESULT;
      Check(info->AddFuncDesc(i, &desc), "stand-in AddFuncDesc");
      LPOLESTR name = const_cast<LPOLESTR>(item.methods[i]);
      Check(info->SetFuncAndParamNames(i, &name, 1), "stand-in SetFuncAndParamNames");
    }
    Check(info->LayOut(), "stand-in LayOut");
    Check(info->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(base.put())),
          "stand-in QueryInterface");
  }
  Check(lib->SaveAllChanges(), "stand-in SaveAllChanges");
}

std::wstring Widen(const char* text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
  if (length > 1) MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
  return wide;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || (std::strcmp(argv[3], "win32") != 0 && std::strcmp(argv[3], "win64") != 0)) {
    std::fprintf(stderr, "usage: pelmar_typelib_writer SOURCE.tlb TARGET.tlb win32|win64\n");
    return 2;
  }
  const std::wstring source_path = Widen(argv[1]);
  std::wstring target_path = Widen(argv[2]);
  const SYSKIND syskind = std::strcmp(argv[3], "win32") == 0 ? SYS_WIN32 : SYS_WIN64;
  const std::wstring stand_in_path = target_path + L".stdole2.tlb";
  DeleteFileW(target_path.c_str());
  try {
    ComPtr<ITypeLib> source;
    Check(LoadTypeLibEx(source_path.c_str(), REGKIND_NONE, source.put()), "LoadTypeLibEx");
    ComPtr<ICreateTypeLib2> target;
    Check(CreateTypeLib2(syskind, target_path.c_str(), target.put()), "CreateTypeLib2");
    LibraryCopier copier(source.get(), target.get(), syskind == SYS_WIN32 ? 4 : 8);
    ComPtr<ITypeLib> stand_in_lib;
    ComPtr<ITypeInfo> stand_in_dispatch;
    if (syskind == SYS_WIN32) {
      WriteAutomationStandIn(stand_in_path);
      Check(LoadTypeLibEx(stand_in_path.c_str(), REGKIND_NONE, stand_in_lib.put()),
            "LoadTypeLibEx stand-in");
      Check(stand_in_lib->GetTypeInfoOfGuid(IID_IDispatch, stand_in_dispatch.put()),
            "stand-in IDispatch");
      copier.SetDispatchStandIn(stand_in_dispatch.get());
    }
    copier.Copy();
    Check(target->SaveAllChanges(), "SaveAllChanges");
  } catch (const Failure& failure) {
    std::fprintf(stderr, "pelmar_typelib_writer: %s failed (0x%08lX)\n", failure.step,
                 static_cast<unsigned long>(failure.hr));
    DeleteFileW(stand_in_path.c_str());
    DeleteFileW(target_path.c_str());
    return 1;
  }
  DeleteFileW(stand_in_path.c_str());
  return 0;
}
