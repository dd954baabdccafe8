// One audio pin: its name and the names of its channels.
#pragma once

#include <string>
#include <vector>

namespace rivo
{

class PinProperty
{
public:
	PinProperty() : PinProperty(1) {}
	explicit PinProperty(int nbr_chn);

	void set_nbr_chn(int nbr_chn);
	int get_nbr_chn() const noexcept
	{
		return int(_chn_name_list.size());
	}
	// An index outside the channels gives an empty name / is ignored.
	std::string get_chn_name(int chn) const;
	void set_chn_name(int chn, const std::string &name);
	const std::string &get_name() const noexcept
	{
		return _name;
	}
	void set_name(const std::string &name)
	{
		_name = name;
	}

private:
	std::string _name;
	std::vector<std::string> _chn_name_list;
};

}  // namespace rivo
