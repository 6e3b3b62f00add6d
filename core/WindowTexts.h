// The texts of the about and contact windows, which every shell shows alike: the maker's details
// and the two links, and the about text.
#pragma once

#include <string>

struct ContactDetails {
    std::string company; // also the window's caption
    std::string companyLine;
    std::string address;
    std::string telephone;
    std::string fax;
    std::string mail;
    std::string web;
    std::string footer;
};

const ContactDetails& contactDetails();
// What clicking the addresses opens.
std::string mailLink();
std::string webLink();

// The about window's text, lines separated by '\n', ending with its version line.
const std::string& aboutText();
