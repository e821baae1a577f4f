#include "ui/framework/layouts/DialogBuilder.h"

#include <pugixml.hpp>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/debug/DebugSink.h"
#include "platform/text/Text.h"
#include "ui/framework/controls/ControlFactory.h"
#include "ui/framework/layouts/Container.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {
namespace {

bool isWindowSetting(std::string_view tag) {
    return tag == "Font" || tag == "Default" || tag == "Style" || tag == "Image" || tag == "Window";
}

// Layouts are built recursively: deeper nesting than any skin needs is refused before the
// build, so a broken or hostile file cannot exhaust the stack.
constexpr int kMaxNesting = 256;

int nestingDepth(pugi::xml_document& doc) {
    struct Walker : pugi::xml_tree_walker {
        bool for_each(pugi::xml_node&) override {
            deepest = std::max(deepest, depth());
            return deepest <= kMaxNesting;
        }
        int deepest = 0;
    } walker;
    doc.traverse(walker);
    return walker.deepest;
}

// Loads layout text or a layout file; `file` receives the file's path ("" for text).
bool loadLayout(pugi::xml_document& doc, std::string_view xml, std::string& error,
                std::string* file = nullptr) {
    pugi::xml_parse_result result;
    std::string trimmed = platform::trimSpace(xml);
    if (!trimmed.empty() && trimmed[0] == '<') {
        result = doc.load_buffer(trimmed.data(), trimmed.size());
        if (!result) {
            error = platform::formatText("layout text: %s at offset %td", result.description(),
                                         result.offset);
        }
    } else {
        std::string path = CPaintManagerUI::ResolveResourcePath(xml);
        // Skins named without extension ("XML_MSG") are stored as .xml files.
        std::error_code ec;
        if (!std::filesystem::exists(path, ec) && std::filesystem::path(path).extension().empty()) {
            path += ".xml";
        }
        if (file != nullptr) {
            *file = path;
        }
        result = doc.load_file(path.c_str());
        if (!result) {
            error = platform::formatText("layout file %s: %s at offset %td", path.c_str(),
                                         result.description(), result.offset);
        }
    }
    if (result && nestingDepth(doc) > kMaxNesting) {
        error = platform::formatText("layout nested deeper than %d levels", kMaxNesting);
        doc.reset();
        return false;
    }
    return static_cast<bool>(result);
}

// The attributes of an element as one attribute list, skipping the given names.
std::string attributeList(const pugi::xml_node& node,
                          std::initializer_list<std::string_view> skip) {
    std::string list;
    for (pugi::xml_attribute a : node.attributes()) {
        bool skipped = false;
        for (std::string_view s : skip) {
            skipped = skipped || s == a.name();
        }
        if (skipped) {
            continue;
        }
        std::string value = a.value();
        char quote = value.find('"') == std::string::npos ? '"' : '\'';
        list += platform::formatText("%s=%c%s%c ", a.name(), quote, value.c_str(), quote);
    }
    return list;
}

}  // namespace

struct CDialogBuilder::Impl {
    pugi::xml_document doc;
    IDialogBuilderCallback* callback = nullptr;
    CPaintManagerUI* manager = nullptr;
    std::string* error = nullptr;
    int includeDepth = 0;
    // The layout files being built, outermost first: a file that includes one of them
    // (itself, directly or through others) would never end.
    std::vector<std::string> includeChain;

    void applyWindow(const pugi::xml_node& window);
    void applySettings(const pugi::xml_node& window);
    CControlUI* create(std::string_view className);
    void applyAttributes(CControlUI* control, const pugi::xml_node& node);
    // Builds the control elements among node's children, adding them to parent when it is
    // a container; answers the first one built.
    CControlUI* parseChildren(const pugi::xml_node& node, CControlUI* parent);
    CControlUI* parseElement(const pugi::xml_node& node, CControlUI* parent);
    CControlUI* include(const pugi::xml_node& node, CControlUI* parent);
    void attach(CControlUI* control, CControlUI* parent);
};

void CDialogBuilder::Impl::applyWindow(const pugi::xml_node& window) {
    if (manager == nullptr) {
        return;
    }
    for (pugi::xml_attribute a : window.attributes()) {
        std::string_view name = a.name();
        std::string_view value = a.value();
        if (name == "size") {
            UiSize s = parseSize(value);
            manager->SetInitSize(s.cx, s.cy);
        } else if (name == "caption") {
            manager->SetCaptionRect(parseRect(value));
        } else if (name == "roundcorner") {
            UiSize s = parseSize(value);
            manager->SetRoundCorner(s.cx, s.cy);
        } else if (name == "mininfo") {
            UiSize s = parseSize(value);
            manager->SetMinInfo(s.cx, s.cy);
        } else if (name == "maxinfo") {
            UiSize s = parseSize(value);
            manager->SetMaxInfo(s.cx, s.cy);
        } else if (name == "sizebox") {
            manager->SetSizeBox(parseRect(value));
        }
        manager->SetWindowAttribute(name, value);
    }
}

void CDialogBuilder::Impl::applySettings(const pugi::xml_node& window) {
    if (manager == nullptr) {
        return;
    }
    for (pugi::xml_node n : window.children()) {
        std::string_view tag = n.name();
        bool isShared = parseBool(n.attribute("shared").value());
        if (tag == "Font") {
            std::string face = n.attribute("name").value();
            int size = n.attribute("size").as_int(13);
            bool bold = parseBool(n.attribute("bold").value());
            bool underline = parseBool(n.attribute("underline").value());
            bool italic = parseBool(n.attribute("italic").value());
            if (parseBool(n.attribute("default").value())) {
                manager->SetDefaultFont(face, size, bold, underline, italic, isShared);
            }
            if (n.attribute("id")) {
                manager->AddFont(n.attribute("id").as_int(), face, size, bold, underline, italic,
                                 isShared);
            }
        } else if (tag == "Default") {
            // <Default name="Button" value="attr=&quot;..&quot;"/> or
            // <Default class="Button" attr="..." .../>
            if (n.attribute("class")) {
                manager->AddDefaultAttributeList(n.attribute("class").value(),
                                                 attributeList(n, {"class", "shared"}), isShared);
            } else {
                manager->AddDefaultAttributeList(n.attribute("name").value(),
                                                 n.attribute("value").value(), isShared);
            }
        } else if (tag == "Style") {
            std::string list = n.attribute("value") ? std::string(n.attribute("value").value())
                                                    : attributeList(n, {"name", "shared"});
            manager->AddStyle(n.attribute("name").value(), list, isShared);
        }
    }
}

CControlUI* CDialogBuilder::Impl::create(std::string_view className) {
    if (CControlUI* c = CControlFactory::CreateBuiltin(className)) {
        return c;
    }
    if (callback != nullptr) {
        if (CControlUI* c = callback->CreateControl(className)) {
            return c;
        }
    }
    return CControlFactory::GetInstance().CreateControl(className);
}

void CDialogBuilder::Impl::applyAttributes(CControlUI* control, const pugi::xml_node& node) {
    if (manager != nullptr) {
        std::string defaults = manager->GetDefaultAttributeList(node.name());
        if (!defaults.empty()) {
            control->ApplyAttributeList(defaults);
        }
    }
    for (pugi::xml_attribute a : node.attributes()) {
        std::string_view name = a.name();
        if (name == "style" && manager != nullptr) {
            control->ApplyAttributeList(manager->GetStyle(a.value()));
        }
        control->SetAttribute(name, a.value());
    }
}

void CDialogBuilder::Impl::attach(CControlUI* control, CControlUI* parent) {
    auto* container = interfaceOf<CContainerUI>(parent, "IContainer");
    if (container == nullptr || !container->Add(control)) {
        if (parent != nullptr) {
            platform::debugPrintf("layout: %s cannot hold child %s", parent->GetClass().c_str(),
                                  control->GetClass().c_str());
        }
    }
}

CControlUI* CDialogBuilder::Impl::include(const pugi::xml_node& node, CControlUI* parent) {
    if (includeDepth >= 16) {
        platform::debugLine("layout: includes nested too deeply");
        return nullptr;
    }
    std::string source = node.attribute("source").value();
    std::string path = CPaintManagerUI::ResolveResourcePath(source);
    for (const std::string& open : includeChain) {
        if (open == path || open == path + ".xml") {
            std::string message =
                platform::formatText("layout: %s includes itself", source.c_str());
            platform::debugLine(message);
            if (error != nullptr) {
                *error = message;
            }
            return nullptr;
        }
    }
    int count = std::max(1, node.attribute("count").as_int(1));
    CControlUI* first = nullptr;
    for (int i = 0; i < count; ++i) {
        Impl nested;
        nested.callback = callback;
        nested.manager = manager;
        nested.error = error;
        nested.includeDepth = includeDepth + 1;
        nested.includeChain = includeChain;
        std::string dummy;
        std::string file;
        if (!loadLayout(nested.doc, source, error ? *error : dummy, &file)) {
            return first;
        }
        nested.includeChain.push_back(file);
        pugi::xml_node root = nested.doc.document_element();
        CControlUI* built = nullptr;
        if (std::string_view(root.name()) == "Window") {
            nested.applySettings(root);
            built = nested.parseChildren(root, parent);
        } else {
            built = nested.parseElement(root, parent);
        }
        if (first == nullptr) {
            first = built;
        }
    }
    return first;
}

CControlUI* CDialogBuilder::Impl::parseElement(const pugi::xml_node& node, CControlUI* parent) {
    std::string_view tag = node.name();
    if (tag == "Include") {
        return include(node, parent);
    }
    if (isWindowSetting(tag) || node.type() != pugi::node_element) {
        return nullptr;
    }
    CControlUI* control = create(tag);
    if (control == nullptr) {
        platform::debugPrintf("layout: unknown control class '%s' skipped", node.name());
        return nullptr;
    }
    // Children first, then the element's own attributes, so attributes that refer to
    // children (a tab's selected page, a combo's selected row) find them.
    parseChildren(node, control);
    applyAttributes(control, node);
    if (parent != nullptr) {
        attach(control, parent);
    }
    return control;
}

CControlUI* CDialogBuilder::Impl::parseChildren(const pugi::xml_node& node, CControlUI* parent) {
    CControlUI* first = nullptr;
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element) {
            continue;
        }
        CControlUI* built = parseElement(child, parent);
        if (first == nullptr) {
            first = built;
        }
        if (parent == nullptr && first != nullptr) {
            break;  // without a parent only one root can be answered
        }
    }
    return first;
}

CDialogBuilder::CDialogBuilder() : impl_(std::make_unique<Impl>()) {}
CDialogBuilder::~CDialogBuilder() = default;

CControlUI* CDialogBuilder::Create(std::string_view xml, std::string_view type,
                                   IDialogBuilderCallback* callback, CPaintManagerUI* manager,
                                   CControlUI* parent) {
    (void)type;
    error_.clear();
    impl_->doc.reset();
    impl_->includeChain.clear();
    std::string file;
    if (!loadLayout(impl_->doc, xml, error_, &file)) {
        if (reportLoadErrors_) {
            platform::debugLine(error_);
        }
        return nullptr;
    }
    if (!file.empty()) {
        impl_->includeChain.push_back(file);
    }
    return Create(callback, manager, parent);
}

CControlUI* CDialogBuilder::Create(IDialogBuilderCallback* callback, CPaintManagerUI* manager,
                                   CControlUI* parent) {
    impl_->callback = callback;
    impl_->manager = manager;
    impl_->error = &error_;
    pugi::xml_node root = impl_->doc.document_element();
    if (!root) {
        error_ = "no layout loaded";
        return nullptr;
    }
    CControlUI* built = nullptr;
    if (std::string_view(root.name()) == "Window") {
        if (parent == nullptr) {
            impl_->applyWindow(root);
        }
        impl_->applySettings(root);
        built = impl_->parseChildren(root, parent);
    } else {
        built = impl_->parseElement(root, parent);
    }
    if (built == nullptr && error_.empty()) {
        error_ = "the layout holds no control";
    }
    return built;
}

}  // namespace vorn::ui
