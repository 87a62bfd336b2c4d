#include "platform/win32/msaa_client_area.h"

#include <oleacc.h>

#include <algorithm>
#include <vector>

#include "platform/text_encoding.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/msaa_roles.h"
#include "platform/win32/system_library.h"

// The tree keeps its shape: an element with elements of its own (a label with its links) is an
// object of its own, the others are child ids of their parent's object; every object also
// answers for any element of its window by id, as readers ask the client area about an event's
// element by the id the event named.
namespace pelsdk::platform {

namespace {

// Active Accessibility, from System32 at run time: OLEACC is not a DLL Windows always takes
// from there.
struct oleacc_functions {
    using lresult_from_object = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
    using standard_object = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
    lresult_from_object lresult;
    standard_object create_standard;
};

const oleacc_functions& oleacc() {
    static const oleacc_functions functions{
        system_function<oleacc_functions::lresult_from_object>(L"oleacc.dll", "LresultFromObject"),
        system_function<oleacc_functions::standard_object>(L"oleacc.dll",
                                                           "CreateStdAccessibleObject")};
    return functions;
}

// The system's own object for the client area: it knows the window around it.
com_ptr<IAccessible> standard_client(HWND hwnd) {
    com_ptr<IAccessible> standard;
    if (oleacc().create_standard != nullptr) {
        oleacc().create_standard(hwnd, OBJID_CLIENT, __uuidof(IAccessible), standard.out_void());
    }
    return standard;
}

// The window's elements as they are during one call.
class element_tree {
public:
    explicit element_tree(access_source& source) : elements_(source.elements()) {}

    const access_element* find(int32_t id) const {
        const auto found = std::find_if(elements_.begin(), elements_.end(),
                                        [&](const access_element& e) { return e.id == id; });
        return found == elements_.end() ? nullptr : &*found;
    }

    const access_element* parent_of(int32_t id) const {
        for (const access_element& candidate : elements_) {
            if (std::count(candidate.children.begin(), candidate.children.end(), id)) {
                return &candidate;
            }
        }
        return nullptr;
    }

    // The child of `ancestor` whose subtree holds `id`; null when `id` is not below it.
    const access_element* child_towards(int32_t ancestor, int32_t id) const {
        for (const access_element* at = find(id); at != nullptr;) {
            const access_element* parent = parent_of(at->id);
            if (parent != nullptr && parent->id == ancestor) return at;
            at = parent;
        }
        return nullptr;
    }

private:
    std::vector<access_element> elements_;
};

HRESULT text_answer(const std::string& text, BSTR* out) {
    if (text.empty()) return S_FALSE;
    const std::wstring wide = utf8_to_wide(text);
    *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

VARIANT self_id() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// One element of a window's client area that has an object: the client area itself (id 0),
// or an element with elements below it. It enumerates its children for AccessibleChildren,
// since their ids are not their places.
class element_object final : public IAccessible, public IEnumVARIANT {
public:
    element_object(std::shared_ptr<msaa_window> window, int32_t id, size_t position = 0)
        : window_(std::move(window)), id_(id), position_(position) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
        } else if (iid == IID_IEnumVARIANT) {
            *out = static_cast<IEnumVARIANT*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: readers call the interface itself, never through type information.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** out) override {
        *out = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        *count = 0;
        return answer(self_id(), [&](const element_tree&, const access_element& self) {
            *count = static_cast<LONG>(self.children.size());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        *out = nullptr;
        return answer(child, [&](const element_tree&, const access_element& element) {
            if (element.children.empty()) return S_FALSE;
            *out = new element_object(window_, element.id);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        return text_of(child, &access_element::name, out);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        return text_of(child, &access_element::value, out);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        return text_of(child, &access_element::description, out);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return text_of(child, &access_element::default_action, out);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        VariantInit(out);
        return answer(child, [&](const element_tree&, const access_element& element) {
            out->vt = VT_I4;
            out->lVal = msaa_role(element.role);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* out) override {
        *out = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        *file = nullptr;
        *topic = 0;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* out) override {
        *out = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        VariantInit(out);
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* out) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return DISP_E_MEMBERNOTFOUND; }

    // IEnumVARIANT: this object's children, in reading order.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        position_ += count;
        LONG children = 0;
        const HRESULT known = get_accChildCount(&children);
        return known == S_OK && position_ <= static_cast<size_t>(children) ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        position_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
        *out = new element_object(window_, id_, position_);
        return S_OK;
    }

private:
    ~element_object() = default;

    bool connected() const { return window_->source != nullptr; }

    // Calls `respond` with the element a child id names: this object's own for CHILDID_SELF,
    // else the window's element of that id.
    template <typename Respond>
    HRESULT answer(const VARIANT& child, Respond respond) {
        if (child.vt != VT_I4) return E_INVALIDARG;
        if (!connected()) return CO_E_OBJNOTCONNECTED;
        const element_tree tree(*window_->source);
        const access_element* element = tree.find(child.lVal == CHILDID_SELF ? id_ : child.lVal);
        if (element == nullptr) return E_INVALIDARG;
        return respond(tree, *element);
    }

    HRESULT text_of(const VARIANT& child, std::string access_element::*text, BSTR* out) {
        *out = nullptr;
        return answer(child, [&](const element_tree&, const access_element& element) {
            return text_answer(element.*text, out);
        });
    }

    // How a child is handed out: itself, an object when it has children of its own, else its id.
    void refer_to(const access_element& element, VARIANT* out) {
        if (element.id != id_ && !element.children.empty()) {
            out->vt = VT_DISPATCH;
            out->pdispVal = new element_object(window_, element.id);
        } else {
            out->vt = VT_I4;
            out->lVal = element.id == id_ ? CHILDID_SELF : element.id;
        }
    }

    bool window_has_focus() const { return GetFocus() == window_->hwnd; }

    std::shared_ptr<msaa_window> window_;
    const int32_t id_;
    size_t position_;  // of the enumeration
    LONG references_ = 1;
};

HRESULT element_object::get_accParent(IDispatch** out) {
    *out = nullptr;
    if (!connected()) return CO_E_OBJNOTCONNECTED;
    if (id_ == 0) {
        const com_ptr<IAccessible> standard = standard_client(window_->hwnd);
        return standard ? standard->get_accParent(out) : S_FALSE;
    }
    const element_tree tree(*window_->source);
    const access_element* parent = tree.parent_of(id_);
    if (parent == nullptr) return S_FALSE;
    *out = new element_object(window_, parent->id);
    return S_OK;
}

HRESULT element_object::get_accState(VARIANT child, VARIANT* out) {
    VariantInit(out);
    return answer(child, [&](const element_tree&, const access_element& element) {
        LONG states = msaa_states(element);
        // Only the window with the system's keyboard focus has a focused element.
        if (!window_has_focus()) states &= ~STATE_SYSTEM_FOCUSED;
        if (element.id == 0) {
            states |= STATE_SYSTEM_FOCUSABLE;
            if (window_has_focus() && window_->source->focused_element() == 0) {
                states |= STATE_SYSTEM_FOCUSED;
            }
            if (!IsWindowVisible(window_->hwnd)) states |= STATE_SYSTEM_INVISIBLE;
        }
        out->vt = VT_I4;
        out->lVal = states;
        return S_OK;
    });
}

HRESULT element_object::get_accFocus(VARIANT* out) {
    VariantInit(out);
    if (!connected()) return CO_E_OBJNOTCONNECTED;
    if (!window_has_focus()) return S_FALSE;
    const int32_t focused = window_->source->focused_element();
    const element_tree tree(*window_->source);
    if (focused == id_) {
        out->vt = VT_I4;
        out->lVal = CHILDID_SELF;
    } else if (const access_element* child = tree.child_towards(id_, focused)) {
        refer_to(*child, out);
    }
    return S_OK;
}

// The source gives client pixels, so the place is right at any DPI.
HRESULT element_object::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                    VARIANT child) {
    *left = *top = *width = *height = 0;
    return answer(child, [&](const element_tree&, const access_element& element) {
        POINT origin{element.bounds.x, element.bounds.y};
        ClientToScreen(window_->hwnd, &origin);
        *left = origin.x;
        *top = origin.y;
        *width = element.bounds.width;
        *height = element.bounds.height;
        return S_OK;
    });
}

HRESULT element_object::accNavigate(LONG direction, VARIANT start, VARIANT* out) {
    VariantInit(out);
    if (start.vt != VT_I4) return E_INVALIDARG;
    const bool from_self = start.lVal == CHILDID_SELF;
    if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
        if (!from_self) return E_INVALIDARG;
        return answer(start, [&](const element_tree& tree, const access_element& self) {
            if (self.children.empty()) return S_FALSE;
            const int32_t id =
                direction == NAVDIR_FIRSTCHILD ? self.children.front() : self.children.back();
            const access_element* child = tree.find(id);
            if (child == nullptr) return S_FALSE;
            refer_to(*child, out);
            return S_OK;
        });
    }
    // Beside the client area lie the window's frame parts, which the system knows.
    if (from_self && id_ == 0 && connected()) {
        const com_ptr<IAccessible> standard = standard_client(window_->hwnd);
        return standard ? standard->accNavigate(direction, start, out) : S_FALSE;
    }
    if (direction != NAVDIR_NEXT && direction != NAVDIR_PREVIOUS) return DISP_E_MEMBERNOTFOUND;
    return answer(start, [&](const element_tree& tree, const access_element& element) {
        const access_element* parent = tree.parent_of(element.id);
        if (parent == nullptr) return S_FALSE;
        const std::vector<int32_t>& siblings = parent->children;
        const auto at = std::find(siblings.begin(), siblings.end(), element.id);
        const ptrdiff_t index = (at - siblings.begin()) + (direction == NAVDIR_NEXT ? 1 : -1);
        if (index < 0 || index >= static_cast<ptrdiff_t>(siblings.size())) return S_FALSE;
        const access_element* sibling = tree.find(siblings[static_cast<size_t>(index)]);
        if (sibling == nullptr) return S_FALSE;
        refer_to(*sibling, out);
        return S_OK;
    });
}

HRESULT element_object::accHitTest(LONG x, LONG y, VARIANT* out) {
    VariantInit(out);
    if (!connected()) return CO_E_OBJNOTCONNECTED;
    POINT at{x, y};
    ScreenToClient(window_->hwnd, &at);
    const int32_t hit = window_->source->element_at(at.x, at.y);
    if (hit < 0) return S_FALSE;
    const element_tree tree(*window_->source);
    if (const access_element* child = tree.child_towards(id_, hit)) {
        refer_to(*child, out);
        return S_OK;
    }
    // A point of the client area no element of it covers belongs to the client area.
    if (hit != id_ && id_ != 0) return S_FALSE;
    out->vt = VT_I4;
    out->lVal = CHILDID_SELF;
    return S_OK;
}

HRESULT element_object::accDoDefaultAction(VARIANT child) {
    return answer(child, [&](const element_tree&, const access_element& element) {
        // A window disabled under one of its popups takes no action, as it takes no click.
        if (element.default_action.empty() || (element.states & access_state::unavailable) ||
            !IsWindowEnabled(window_->hwnd)) {
            return DISP_E_MEMBERNOTFOUND;
        }
        PostMessageW(window_->hwnd, kDefaultActionMessage, static_cast<WPARAM>(element.id), 0);
        return S_OK;
    });
}

HRESULT element_object::Next(ULONG count, VARIANT* items, ULONG* fetched) {
    ULONG given = 0;
    const HRESULT result =
        answer(self_id(), [&](const element_tree& tree, const access_element& self) {
            while (given < count && position_ < self.children.size()) {
                const access_element* child = tree.find(self.children[position_++]);
                if (child == nullptr) continue;
                VariantInit(&items[given]);
                refer_to(*child, &items[given++]);
            }
            return given == count ? S_OK : S_FALSE;
        });
    if (fetched != nullptr) *fetched = given;
    return result;
}

}  // namespace

LRESULT answer_client_area_request(WPARAM wparam, const std::shared_ptr<msaa_window>& window) {
    if (oleacc().lresult == nullptr) return 0;
    const com_ptr<IAccessible> client(new element_object(window, 0));
    const LRESULT reference = oleacc().lresult(__uuidof(IAccessible), wparam, client.get());
    return reference > 0 ? reference : 0;
}

}  // namespace pelsdk::platform
