#include <varnel/varnel.h>

CT6::CT6() = default;
CT6::~CT6() = default;
CT6::CT6(const CT6&) = default;
CT6& CT6::operator=(const CT6&) = default;
