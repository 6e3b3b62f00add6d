#include "core/WindowTexts.h"

const ContactDetails& contactDetails() {
    static const ContactDetails details{
        .company = "Example Level Instruments",
        .companyLine = "Example Level Instruments Ltd.",
        .address = "Sample Street 1, 00000 Sampletown",
        .telephone = "+00 123 456 780",
        .fax = "+00 123 456 789",
        .mail = "info@example.com",
        .web = "www.example.com",
        .footer = "Level measurement you can see.",
    };
    return details;
}

std::string mailLink() {
    return "mailto:" + contactDetails().mail;
}

std::string webLink() {
    return "http://" + contactDetails().web;
}

const std::string& aboutText() {
    static const std::string text = "niveau\n"
                                    "\n"
                                    "a demonstration model\n"
                                    "of a magnetic bypass\n"
                                    "level indicator\n"
                                    "\n"
                                    "written in C++\n"
                                    "with Qt and OpenGL\n"
                                    "\n"
                                    "Version 3.0.0.2";
    return text;
}
