// A node of a menu tree: a label.
#pragma once

#include <string>

namespace ruvava
{

class MenuNodeInterface
{
public:
	MenuNodeInterface() = default;
	explicit MenuNodeInterface(const std::string &label) : _label(label) {}
	virtual ~MenuNodeInterface() = default;
	const std::string &get_label() const noexcept
	{
		return _label;
	}
	void set_label(const std::string &label)
	{
		_label = label;
	}

private:
	std::string _label;
};

}  // namespace ruvava
