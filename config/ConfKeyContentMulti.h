// A list of values, written "{ a b }".
#pragma once

#include "config/CloneList.h"
#include "config/ConfKeyContentInterface.h"

#include <memory>

namespace basic
{

class ConfKeyContentMulti : public ConfKeyContentInterface
{
public:
	long get_nbr_contents() const noexcept
	{
		return _contents.size();
	}
	// Indices are checked: "ConfKeyContentMulti::use_content : Invalid index."
	ConfKeyContentInterface &operator[](long index)
	{
		return use_content(index);
	}
	const ConfKeyContentInterface &operator[](long index) const
	{
		return use_content(index);
	}
	ConfKeyContentInterface &use_content(long index)
	{
		return _contents.use(index);
	}
	const ConfKeyContentInterface &use_content(long index) const
	{
		return _contents.use(index);
	}
	void set_content(long index, const ConfKeyContentInterface &content)
	{
		_contents.set(index, content.clone());
	}
	void push_back(const ConfKeyContentInterface &content)
	{
		_contents.push_back(content.clone());
	}
	void push_back(std::unique_ptr<ConfKeyContentInterface> content)
	{
		_contents.push_back(std::move(content));
	}
	void remove(long index)
	{
		_contents.remove(index);
	}
	void clear()
	{
		_contents.clear();
	}

protected:
	void do_write_to_string(std::string &txt, Context &ctx) const override;
	ConfKeyContentInterface *do_clone() const override
	{
		return new ConfKeyContentMulti(*this);
	}

private:
	CloneList<ConfKeyContentInterface> _contents{"ConfKeyContentMulti::use_content : Invalid index."};
};

}  // namespace basic
