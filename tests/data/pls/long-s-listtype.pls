[playlist]
File1=http://tv.example/
Title1=News
liſttype=TV
