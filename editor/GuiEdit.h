// The parameter edit panel: the name, value and unit text boxes of every
// edit manager, of which the selected parameter's are shown.
#pragma once

#include <memory>
#include <vector>

namespace ruvava
{
class TextBox;
}

namespace rivo
{

class TarvelleGui;

class GuiEdit
{
public:
	void init(TarvelleGui &gui) noexcept
	{
		_gui_ptr = &gui;
	}
	// The boxes come with the edit managers of the other panels.
	void build() {}
	void restore() {}
	// The fonts of the editor's current scale, for every box made so far.
	void apply_pictures();

	std::shared_ptr<ruvava::TextBox> setup_param_name_tb();
	std::shared_ptr<ruvava::TextBox> setup_param_val_tb();
	std::shared_ptr<ruvava::TextBox> setup_param_unit_tb();

private:
	enum Kind
	{
		Kind_NAME = 0,
		Kind_VAL,
		Kind_UNIT,

		Kind_NBR_ELT
	};
	std::shared_ptr<ruvava::TextBox> make(Kind kind);
	void style(ruvava::TextBox &tb, Kind kind) const;

	TarvelleGui *_gui_ptr = nullptr;
	std::vector<std::shared_ptr<ruvava::TextBox>> _boxes[Kind_NBR_ELT];
};

}  // namespace rivo
