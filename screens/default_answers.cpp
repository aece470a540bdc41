#include "screens/default_answers.h"

const char* const PlayerNameDefaults[DEFAULT_ANSWER_COUNT] = {
    "Goo Feeyou",      "Yooa Goof",    "Mr. CantGetItRight", "Done Knowyurname", "Smart Alec",
    "Nameless Wonder", "Pun Kineater", "Imp Acient",         "Simp Leminded",    "Bwane Wess",
    "Doo Fis",
};

const char* const OppositeNameDefaults[DEFAULT_ANSWER_COUNT] = {
    "Some Goof",           "Princess Laya", "Marvin Stroud", "Carl Denholm",
    "Barney the Dinosaur", "Big Bird",      "Han Solo",      "Hannible Smith",
    "Templeton Peck",      "Starbuck",      "Don Key",
};

const char* const FriendNameDefaults[DEFAULT_ANSWER_COUNT] = {
    "Some Goof",           "Princess Laya", "Marvin Stroud", "Carl Denholm",
    "Barney the Dinosaur", "Big Bird",      "Han Solo",      "Hannible Smith",
    "Templeton Peck",      "Starbuck",      "Doo Fis",
};

const char* const MovieTitleDefaults[DEFAULT_ANSWER_COUNT] = {
    "Bugs Bunny",         "Tele Tubbies",  "Frogs of the Planet Barney",  "Enter the Pink Dragon",
    "Bananas in Pajamas", "Sesame Street", "Little House on the Prairie", "My Little Princess",
    "My Little Pony",     "Chicken Run",   "The Little Mermaid",
};

const char* const WishDefaults[DEFAULT_ANSWER_COUNT] = {
    "I wish for one million eggs.",
    "I wish for hot sauce on my tongue.",
    "I wish for frog eggs in my ear.",
    "I wish to stub my toe on the side walk.",
    "I wish to get pink sun glasses for christmas.",
    "I wish for a black eye.",
    "I wish for some slugs.",
    "I wish for a purple dinosaur to fall over.",
    "I wish for a turtle.",
    "I wish for the ability to trip easily.",
    "I wish for a great big house full of cows.",
};
