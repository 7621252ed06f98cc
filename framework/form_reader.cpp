#include "framework/form_reader.h"

#include <vector>

#include "framework/component_registry.h"
#include "framework/form.h"
#include "framework/reader.h"
#include "framework/screen.h"

namespace {

void ReadProperties(TReader& reader, TComponent& component, const DescObject& desc) {
    reader.SetCurrentObject(desc.name);
    for (const DescProperty& p : desc.properties)
        if (!component.ReadProperty(reader, p))
            reader.Unknown(p);
}

void ReadChildren(TReader& reader, TForm& form, TComponent& container, const DescObject& desc,
                  std::vector<TComponent*>& created) {
    auto* parent = dynamic_cast<TWinControl*>(&container);
    for (const DescObject& child : desc.children) {
        TComponent* c = CreateComponent(child.className, &form);
        c->BeginLoading();
        c->SetName(child.name);
        created.push_back(c);
        if (auto* control = dynamic_cast<TWinControl*>(c)) {
            if (!parent)
                throw EReadError("Error reading " + child.name + ": a control must lie in another control");
            control->SetParent(parent);
        } else {
            container.AddStoredChild(c);
        }
        form.BindField(c);
        ReadProperties(reader, *c, child);
        if (!child.children.empty())
            ReadChildren(reader, form, *c, child, created);
    }
}

} // namespace

void ReadForm(TForm& form, const DescObject& desc) {
    if (desc.className != form.ClassName())
        throw EReadError("Error reading " + desc.name + ": the description is of class " + desc.className +
                         ", not " + form.ClassName());
    form.BeginLoading();
    form.SetName(desc.name);
    TReader reader(form.Methods());
    ReadProperties(reader, form, desc);
    std::vector<TComponent*> created;
    ReadChildren(reader, form, form, desc, created);
    form.CheckFieldsBound();
    form.ScaleForScreen(Screen().PixelsPerInch());
    form.Loaded();
    for (TComponent* c : created)
        c->Loaded();
}
