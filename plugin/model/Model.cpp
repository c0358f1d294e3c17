// The plug-in model's operations and the shell's process-wide state.
#include "plugin/model/Model.h"

#include <new>
#include <utility>

#include "host/HostApi.h"

namespace tavrel {
namespace {

// Plain pointers, zero before any constructor runs: the library's load hook
// may come before the C++ initialisers of other files.
Model* g_instance = nullptr;
Model* g_entryPointModel = nullptr;
void* g_hostWindow = nullptr;

}  // namespace

Model::~Model() = default;

Model* Model::Instance() {
    if (g_instance == nullptr) {
        g_instance = new (std::nothrow) Model();
    }
    return g_instance;
}

Model* Model::ExistingInstance() {
    return g_instance;
}

void Model::DestroyInstance() {
    Model* instance = g_instance;
    g_instance = nullptr;
    delete instance;
}

std::uint32_t Model::Version(std::uint32_t hostValue) {
    hostValue_ = hostValue;
    return kInterfaceVersion;
}

std::uint32_t Model::Init(std::uint32_t, std::uint32_t) {
    return 1;
}

std::uint32_t Model::Enumerate(std::uint32_t, std::uint32_t, std::uint32_t) {
    return 1;
}

std::uint32_t Model::Invoke(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {
    return 1;
}

void Model::Terminate(std::uint32_t) {}

std::uint32_t Model::GetMenuStatus(std::int16_t) {
    return 1;
}

void Model::Attach(platform::ModuleHandle module) {
    module_ = module;
    strings_.reset(new (std::nothrow) resource_string::ResourceStrings(module));
    if (strings_) {
        strings_->Load("strings");
    }
}

platform::ModuleHandle Model::ModuleHandle() const {
    return module_;
}

std::uint32_t Model::HostValue() const {
    return hostValue_;
}

const resource_string::EntryContent* Model::FindEntry(const char* dictionary, const char* key,
                                                      const char* language) const {
    return strings_ ? strings_->GetContent(dictionary, key, language) : nullptr;
}

UniversalString& Model::GetString(UniversalString& out, const char* dictionary, const char* key,
                                  const char* language) const {
    out = UniversalString();
    if (strings_) {
        out.fromUtf8(strings_->GetString(dictionary, key, language));
    }
    return out;
}

const resource_string::Dictionary* Model::FindDictionary(const char* name) const {
    return strings_ ? strings_->FindDictionary(name) : nullptr;
}

void Model::AdoptStrings(std::unique_ptr<resource_string::ResourceStrings> strings) {
    strings_ = std::move(strings);
}

Model* EntryPointModel() {
    return g_entryPointModel;
}

void SetEntryPointModel(Model* model) {
    g_entryPointModel = model;
}

void* HostWindow() {
    return g_hostWindow;
}

void SetHostWindow(void* window) {
    g_hostWindow = window;
}

}  // namespace tavrel
