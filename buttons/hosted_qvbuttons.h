// Makes the forms runtime show qvButtons_H for the "qvButtons_H" buttons of a form
// description, with their stored properties.
#pragma once

namespace buttons {

void RegisterHostedButtons();

}  // namespace buttons
