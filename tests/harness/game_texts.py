"""The game's own texts as the end-to-end tests expect them: the results template
and the answers an empty Enter may offer. One copy, written out independently of
the game's code, for every test that checks what the game shows or saves."""

RESULTS_TEMPLATE = (
    "Here are your results:\n\n"
    "You must inform %s people about me within %s days in order for your wish to come to pass!\n\n"
    "The one that you LOVE is: %s\n"
    "The one that you like but don't have a chance with is: %s\n"
    "The person you care most about is: %s\n"
    "The person that knows you FORWARDS and BACKWARDS is: %s\n"
    "%s is your BEST FRIEND\n"
    "'%s' is the movie that best describes: %s\n"
    "The movie '%s' is for: %s\n"
    "The movie '%s' tells you how you feel about LIFE.\n"
    "The movie '%s' tells you most about your mind.\n\n"
    "Hey %s, I hope you had GOOD LUCK !!! :)\n"
    "Your wish, \"%s\", will come true if you email your friends the web link to Lorvan "
    "the Word Game!\n")

# Which answer fills each placeholder of the template, in order: the one you love
# and the one you have no chance with are named twice, and the titles are not
# used in the order they were asked.

# What an empty Enter may put into the box, by kind of question.
PLAYER_NAMES = ["Goo Feeyou", "Yooa Goof", "Mr. CantGetItRight", "Done Knowyurname",
                "Smart Alec", "Nameless Wonder", "Pun Kineater", "Imp Acient", "Simp Leminded",
                "Bwane Wess", "Doo Fis"]
PEOPLE_NAMES = ["Some Goof", "Princess Laya", "Marvin Stroud", "Carl Denholm",
                "Barney the Dinosaur", "Big Bird", "Han Solo", "Hannible Smith", "Templeton Peck",
                "Starbuck"]
OPPOSITE_NAMES = PEOPLE_NAMES + ["Don Key"]
FRIEND_NAMES = PEOPLE_NAMES + ["Doo Fis"]
MOVIE_TITLES = ["Bugs Bunny", "Tele Tubbies", "Frogs of the Planet Barney",
                "Enter the Pink Dragon", "Bananas in Pajamas", "Sesame Street",
                "Little House on the Prairie", "My Little Princess", "My Little Pony",
                "Chicken Run", "The Little Mermaid"]
WISHES = ["I wish for one million eggs.", "I wish for hot sauce on my tongue.",
          "I wish for frog eggs in my ear.", "I wish to stub my toe on the side walk.",
          "I wish to get pink sun glasses for christmas.", "I wish for a black eye.",
          "I wish for some slugs.", "I wish for a purple dinosaur to fall over.",
          "I wish for a turtle.", "I wish for the ability to trip easily.",
          "I wish for a great big house full of cows."]
NUMBERS = [str(n) for n in range(1, 21)]

# What the first screen says, heading first.
NAME_SCREEN_TEXTS = ["Welcome to Lorvan 2.0 - A Word Game", "Hello user, what is your name?",
                     "Press 'Enter' to continue."]
# The thinking screen's two messages, in the order they come.
THINKING_MESSAGES = ["...I AM THINKING...", "... BE PATIENT :) ..."]
QUIT_QUESTION = ("Quit?", "Are you sure you wish to quit?")

# The About box's last line.
WEBSITE_LINE = "Website: lorvan.example/products/lorvan/lorvan.shtml"
