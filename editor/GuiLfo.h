// The LFO panel: each LFO's period and depth knobs, shape switch and their
// texts, shown with the parameter the LFO modulates when it is selected.
#pragma once

#include <memory>
#include <vector>

namespace ruvava
{
class Knob;
class Switch;
class TextBox;
}  // namespace ruvava

namespace rivo
{

class NumParamMgrInterface;
class TarvelleGui;

class GuiLfo
{
public:
	void init(TarvelleGui &gui) noexcept
	{
		_gui_ptr = &gui;
	}
	// The controls come with the edit managers of the other panels.
	void build() {}
	void restore() {}
	// The pictures and fonts of the editor's current scale.
	void apply_pictures();

	// Makes the LFO's controls for the manager and binds them to the LFO's
	// period, shape and depth parameters.
	void setup_lfo(NumParamMgrInterface &mgr, int per_index, int type_index, int amp_index);

private:
	struct Lfo
	{
		std::shared_ptr<ruvava::Knob> _per;
		std::shared_ptr<ruvava::Knob> _amp;
		std::shared_ptr<ruvava::Switch> _type;
		std::shared_ptr<ruvava::TextBox> _per_tb;
		std::shared_ptr<ruvava::TextBox> _amp_tb;
		std::shared_ptr<ruvava::TextBox> _type_tb;
	};
	void style(const Lfo &lfo) const;

	TarvelleGui *_gui_ptr = nullptr;
	std::vector<Lfo> _lfos;
};

}  // namespace rivo
