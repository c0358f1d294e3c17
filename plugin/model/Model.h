// The process-wide plug-in model: it owns the localized strings and knows the
// library's module. With it, the shell state that the entry points set and
// the dialogs read (the entry-point model pointer, the host window).
#pragma once

#include <cstdint>
#include <memory>

#include "platform/Module.h"
#include "plugin/model/ModelInterface.h"
#include "plugin/model/StaticModel.h"
#include "strings/ResourceStrings.h"
#include "text/UniversalString.h"

namespace tavrel {

class Model : public ModelInterface, public StaticModel {
  public:
    Model() = default;
    ~Model() override;

    // Get-or-create of the process-wide instance; null when it cannot be
    // allocated.
    static Model* Instance();
    // The instance when one exists; never creates one.
    static Model* ExistingInstance();
    // Destroys the instance (its strings with it) and forgets it.
    static void DestroyInstance();

    std::uint32_t Version(std::uint32_t hostValue) override;
    std::uint32_t Init(std::uint32_t first, std::uint32_t second) override;
    std::uint32_t Enumerate(std::uint32_t first, std::uint32_t second,
                            std::uint32_t third) override;
    std::uint32_t Invoke(std::uint32_t first, std::uint32_t second, std::uint32_t third,
                         std::uint32_t fourth) override;
    void Terminate(std::uint32_t value) override;
    std::uint32_t GetMenuStatus(std::int16_t index) override;
    // Keeps the module, creates the strings for it and loads the resource
    // "strings" into them.
    void Attach(platform::ModuleHandle module) override;
    platform::ModuleHandle ModuleHandle() const override;
    std::uint32_t HostValue() const override;
    const resource_string::EntryContent* FindEntry(const char* dictionary, const char* key,
                                                   const char* language) const override;
    // The string decoded from UTF-8; empty when the dictionary or key is
    // missing. The out string's style is reset.
    UniversalString& GetString(UniversalString& out, const char* dictionary, const char* key,
                               const char* language) const override;
    virtual const resource_string::Dictionary* FindDictionary(const char* name) const;

    // One line that describes text's style for the main dialog, in the
    // words of the dictionary "font-styles": "Arial, Size 12, Bold, non
    // Italic." or "(no style)".
    UniversalString StyleDescription(const UniversalString& text) const;

    // The owned strings (null before Attach).
    const resource_string::ResourceStrings* Strings() const { return strings_.get(); }
    // Replaces the owned strings, e.g. with ones read from a document in
    // memory.
    void AdoptStrings(std::unique_ptr<resource_string::ResourceStrings> strings);

  private:
    std::unique_ptr<resource_string::ResourceStrings> strings_;
    platform::ModuleHandle module_ = nullptr;
    std::uint32_t hostValue_ = 0;
};

// The model the entry points and dialogs use, set by the version entry point.
Model* EntryPointModel();
void SetEntryPointModel(Model* model);

// The host's window as last given to the enumeration entry point: the owner
// of the plug-in's windows. An opaque window handle.
void* HostWindow();
void SetHostWindow(void* window);

}  // namespace tavrel
