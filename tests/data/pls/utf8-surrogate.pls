[playlist]
File1=http://a.example/
Title1=í €x
